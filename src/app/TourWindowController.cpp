#include "app/TourWindowController.h"

#include "onboarding/TourView.h"
#include "prefs/Preferences.h"

namespace holdsheet {

TourWindowController::TourWindowController(WindowPlatform platform, bool compositing,
                                           std::function<void()> showSettings)
    : platform_(platform), compositing_(compositing), showSettings_(std::move(showSettings)) {}

TourWindowController::~TourWindowController() = default;

void TourWindowController::show() {
    if (!window_) {
        build();
    }
    window_->bringToFront(platform_.scheduler, platform_.raiser);
}

void TourWindowController::build() {
    window_ = std::make_unique<TourWindow>(compositing_);
    const std::weak_ptr<int> alive = lifetime_;
    window_->setContent(std::make_unique<TourView>(
        platform_.store, platform_.localization, compositing_,
        [this, alive] {
            if (alive.expired()) {
                return;
            }
            if (showSettings_) {
                showSettings_();
            }
            close();
        },
        [this, alive] {
            if (!alive.expired()) {
                close();
            }
        }));
    window_->setFixedSize(width, height);
    window_->onClose([this, alive] {
        if (!alive.expired()) {
            windowWillClose();
        }
    });
    window_->centre();
}

void TourWindowController::close() {
    if (window_) {
        window_->close();
    }
}

void TourWindowController::windowWillClose() {
    Preferences(platform_.store).setHasOnboarded(true);
    // We are inside the window's own close: Qt deletes it once that has unwound.
    window_.release()->deleteLater();
}

}  // namespace holdsheet
