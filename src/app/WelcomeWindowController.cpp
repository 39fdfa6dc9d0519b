#include "app/WelcomeWindowController.h"

#include "onboarding/WelcomeView.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"

#include <QLayout>

namespace holdsheet {

WelcomeWindowController::WelcomeWindowController(WindowPlatform platform,
                                                 PermissionMonitor& permission,
                                                 ShellExtension& extension,
                                                 std::function<void()> showSettings)
    : platform_(platform),
      permission_(permission),
      extension_(extension),
      showSettings_(std::move(showSettings)) {}

WelcomeWindowController::~WelcomeWindowController() = default;

void WelcomeWindowController::show() {
    if (!window_) {
        build();
    }
    window_->setWindowTitle(platform_.localization.localized(QStringLiteral("welcome.title"))
                                .arg(platform_.localization.localized(QStringLiteral("app.name"))));
    window_->bringToFront(platform_.scheduler, platform_.raiser);
}

void WelcomeWindowController::build() {
    window_ = std::make_unique<AuxiliaryWindow>(Qt::Window | Qt::CustomizeWindowHint |
                                                Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const std::weak_ptr<int> alive = lifetime_;
    window_->setContent(std::make_unique<WelcomeView>(
        WelcomeView::Services{platform_.store, platform_.localization, permission_, extension_},
        [this, alive] {
            if (!alive.expired()) {
                done();
            }
        },
        [this, alive] {
            if (!alive.expired() && showSettings_) {
                showSettings_();
            }
        }));
    // As large as the content, and following it when it changes.
    window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window_->adjustSize();
    window_->centre();
}

void WelcomeWindowController::done() {
    Preferences(platform_.store).setHasOnboarded(true);
    if (window_) {
        window_->close();
    }
}

}  // namespace holdsheet
