#include "app/AppDelegate.h"

#include "panel/PanelController.h"
#include "permissions/PermissionMonitor.h"
#include "prefs/Preferences.h"
#include "settings/VersionText.h"
#include "trigger/HoldMonitor.h"

namespace holdsheet {

namespace {

std::optional<Appearance::Look> lookOf(AppTheme theme) {
    switch (theme) {
        case AppTheme::light:
            return Appearance::Look::light;
        case AppTheme::dark:
            return Appearance::Look::dark;
        case AppTheme::system:
            break;
    }
    return std::nullopt;
}

}  // namespace

AppDelegate::AppDelegate(Platform platform, Machinery machinery, Windows windows,
                         QString startupLine)
    : platform_(platform),
      machinery_(machinery),
      windows_(std::move(windows)),
      startupLine_(std::move(startupLine)) {}

QString AppDelegate::startupLine(const VersionInfo& version, const QString& session) {
    const QString line = QStringLiteral("Holdsheet %1").arg(versionText(version));
    return session.isEmpty() ? line : line + QStringLiteral(" on ") + session;
}

AppDelegate::~AppDelegate() {
    QObject::disconnect(trustObserver_);
}

void AppDelegate::applicationDidFinishLaunching() {
    applyTheme();
    platform_.log.log(startupLine_);
    machinery_.permission.resetStaleGrant();
    machinery_.permission.startWatching();
    machinery_.hold.start();
    // Every change of preferences, the program's own included, may be a change of theme.
    preferencesObserver_ = platform_.store.observe([this] { applyTheme(); });
    trustObserver_ = QObject::connect(&machinery_.permission, &PermissionMonitor::trustChanged,
                                      &machinery_.permission, [this] { onTrustChanged(); });

    if (!machinery_.permission.trusted()) {
        windows_.showWelcome();
    } else if (!Preferences(platform_.store).hasOnboarded()) {
        windows_.showTour();
    }
}

bool AppDelegate::applicationShouldHandleReopen(bool /*hasVisibleWindows*/) {
    windows_.showSettings();
    return false;
}

void AppDelegate::applyTheme() {
    const auto wanted = lookOf(Preferences(platform_.store).theme());
    if (wanted == platform_.appearance.appearance()) {
        return;  // called at every change of preferences: setting the same look again flickers
    }
    platform_.appearance.setAppearance(wanted);
}

void AppDelegate::onTrustChanged() {
    machinery_.hold.start();  // global monitors work only once the permission is held
    if (machinery_.permission.trusted() && !Preferences(platform_.store).hasOnboarded()) {
        windows_.showTour();
        windows_.closeWelcome();
    }
}

void AppDelegate::shutDown() {
    if (didShutDown_) {
        return;
    }
    didShutDown_ = true;
    // The poll's last check still runs once stopped; a window it opened would outlive us.
    QObject::disconnect(trustObserver_);
    machinery_.hold.stop();
    machinery_.permission.stopWatching();
    machinery_.panel.tearDown();
}

void AppDelegate::quitApplication() {
    shutDown();
    platform_.application.terminate();
    // The event loop ends after this turn. Should the process not end with it (the loop
    // held up, or the teardown after it), it ends regardless.
    platform_.application.exitProcessAfter(exitFallback, 0);
}

}  // namespace holdsheet
