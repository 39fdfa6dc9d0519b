#include "app/HoldsheetApp.h"

#include "app/AccessibilityPrompt.h"
#include "app/BuildVersion.h"
#include "app/HoldKeyConflict.h"
#include "app/SheetActions.h"
#include "platform/linux/X11Connection.h"
#include "prefs/Preferences.h"
#include "settings/SettingsView.h"
#include "sheetview/OverlayPanel.h"
#include "sheetview/SheetStyle.h"

#include <QApplication>

namespace holdsheet {

namespace {

bool compositorRuns() {
    const X11Connection probe;
    return compositingManagerRunning(probe);
}

}  // namespace

HoldsheetApp::HoldsheetApp()
    : localization_(store_),
      loader_(scheduler_, ax_, store_, hotKeys_, localization_),
      monitors_(
          [this] { return panelWindow_ && panelWindow_->isVisible() && panelWindow_->isKey(); },
          [this](quint64 window) {
              return panelWindow_ && static_cast<quint64>(panelWindow_->winId()) == window;
          }),
      compositing_(compositorRuns()),
      permission_({ax_, store_, scheduler_, runner_}),
      performer_({scheduler_, workspace_, ax_, poster_}),
      controller_(
          {scheduler_, workspace_, monitors_, screens_, store_, loader_},
          [this](SheetModel& model) {
              // The share and program menus arrive with the export; until then their
              // buttons do nothing.
              SheetServices services{
                  store_,
                  localization_,
                  permission_,
                  [this](const ShortcutItem& item) { clickRow(item, controller_, performer_); },
                  [this] { requestPermission(controller_, permission_); },
                  {},
                  {}};
              auto panel = std::make_unique<OverlayPanel>(model, std::move(services), compositing_);
              panelWindow_ = panel.get();
              return panel;
          },
          [this](const QString& key) { return localization_.localized(key); }),
      hold_({monitors_, scheduler_, store_, ax_, workspace_, controller_}),
      settings_(
          windowPlatform(), [this] { controller_.hide(); },
          [this](std::function<void(double)> onHeight) {
              return makeSettingsView(std::move(onHeight));
          }),
      welcome_(windowPlatform()),
      tour_(windowPlatform(), compositing_, [this] { settings_.show(); }),
      delegate_(
          {store_, scheduler_, appearance_, log_, application_}, {permission_, hold_, controller_},
          {[this] { settings_.show(); }, [this] { welcome_.show(); }, [this] { tour_.show(); },
           [this] {
               if (QWidget* window = welcome_.window()) {
                   window->close();
               }
           }},
          [] { return codeSignatureSummary(); }),
      statusMenu_(store_, localization_,
                  {[this] { controller_.show(); }, [this] { settings_.show(); },
                   [this] { delegate_.quitApplication(); }}) {
    store_.watchForOutsideChanges();
    ax_.setConfirmEnabling([this] { return askToEnableAccessibility(localization_); });
}

WindowPlatform HoldsheetApp::windowPlatform() {
    return {store_, localization_, scheduler_, policy_, raiser_};
}

std::unique_ptr<QWidget> HoldsheetApp::makeSettingsView(std::function<void(double)> onHeight) {
    SettingsServices services{store_,        localization_, permission_,    loginItems_, log_,
                              applications_, runner_,       buildVersion(), {}};
    return std::make_unique<SettingsView>(std::move(services), std::move(onHeight));
}

HoldsheetApp::~HoldsheetApp() {
    shutDown();
}

void HoldsheetApp::start() {
    PanelController::setShared(&controller_);
    PermissionMonitor::setShared(&permission_);
    SettingsWindowController::setShared(&settings_);
    WelcomeWindowController::setShared(&welcome_);
    TourWindowController::setShared(&tour_);
    HoldMonitor::setShared(&hold_);
    AppDelegate::setShared(&delegate_);
    started_ = true;
    warnOfDesktopSuperKey(Preferences(store_).holdKey(), IniPreferenceStore::defaultPath());
    delegate_.applicationDidFinishLaunching();
}

void HoldsheetApp::shutDown() {
    if (!started_) {
        return;
    }
    started_ = false;
    delegate_.applicationWillTerminate();
    scheduler_.drain();  // a read or press in flight uses the adapters below
    AppDelegate::setShared(nullptr);
    TourWindowController::setShared(nullptr);
    WelcomeWindowController::setShared(nullptr);
    SettingsWindowController::setShared(nullptr);
    HoldMonitor::setShared(nullptr);
    PermissionMonitor::setShared(nullptr);
    PanelController::setShared(nullptr);
}

QStringList HoldsheetApp::openWindows() const {
    QStringList open;
    const std::pair<const char*, QWidget*> windows[] = {
        {"settings", settings_.window()}, {"welcome", welcome_.window()}, {"tour", tour_.window()}};
    for (const auto& [name, window] : windows) {
        if (window && window->isVisible()) {
            open << QString::fromLatin1(name);
        }
    }
    return open;
}

QVariantMap HoldsheetApp::status() {
    const auto& model = controller_.model();
    const auto* panel = controller_.panel();
    return QVariantMap{
        {"visible", panel && panel->isVisible()},
        {"targetPid", static_cast<int>(model.targetPID)},
        {"loading", model.isLoading()},
        {"itemCount", model.sheet() ? model.sheet()->itemCount() : -1},
        {"notResponding", model.sheet() && model.sheet()->notResponding},
        {"query", model.query()},
        {"contentHeight", model.contentHeight()},
        {"dark", isDarkPalette(QApplication::palette())},
        {"windows", openWindows()},
    };
}

}  // namespace holdsheet
