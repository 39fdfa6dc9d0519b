#include "app/WelcomeWindowController.h"

#include "onboarding/WelcomeView.h"
#include "prefs/Preferences.h"

#include <QLayout>

namespace holdsheet {

WelcomeWindowController::WelcomeWindowController(WindowPlatform platform)
    : platform_(platform), presence_(platform.scheduler, platform.policy, platform.raiser) {}

WelcomeWindowController::~WelcomeWindowController() = default;

void WelcomeWindowController::show() {
    if (!window_) {
        build();
    }
    presence_.bringToFront(*window_);
}

void WelcomeWindowController::build() {
    window_ = std::make_unique<AuxiliaryWindow>(Qt::Window | Qt::CustomizeWindowHint |
                                                Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window_->setContent(std::make_unique<WelcomeView>(
        platform_.localization, [this, alive = std::weak_ptr<int>(lifetime_)] {
            if (!alive.expired()) {
                done();
            }
        }));
    // As large as the content, and following it when it changes.
    window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window_->adjustSize();
    window_->onClose([this, alive = std::weak_ptr<int>(lifetime_)] {
        if (!alive.expired()) {
            windowWillClose();
        }
    });
    window_->centre();
}

void WelcomeWindowController::done() {
    platform_.store.set(Preferences::Key::hasOnboarded, true);
    if (window_) {
        window_->close();
    }
}

void WelcomeWindowController::windowWillClose() {
    presence_.releaseDockPresence(*window_);
}

}  // namespace holdsheet
