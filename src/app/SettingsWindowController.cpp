#include "app/SettingsWindowController.h"

#include "app/SettingsWindowSize.h"
#include "prefs/Localization.h"

#include <cmath>

namespace holdsheet {

SettingsWindowController::SettingsWindowController(WindowPlatform platform,
                                                   std::function<void()> hidePanel,
                                                   ViewFactory makeView)
    : platform_(platform), hidePanel_(std::move(hidePanel)), makeView_(std::move(makeView)) {}

SettingsWindowController::~SettingsWindowController() = default;

void SettingsWindowController::show() {
    if (hidePanel_) {
        hidePanel_();
    }
    if (!window_) {
        build();
    }
    window_->setWindowTitle(platform_.localization.localized(QStringLiteral("settings.title")));
    window_->bringToFront(platform_.scheduler, platform_.raiser);
}

void SettingsWindowController::build() {
    window_ = std::make_unique<AuxiliaryWindow>(Qt::Window | Qt::CustomizeWindowHint |
                                                Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                                Qt::WindowMinimizeButtonHint);
    window_->setMovableByBackground(true);
    auto reportHeight = [this, alive = std::weak_ptr<int>(lifetime_)](double height) {
        if (!alive.expired()) {
            onHeight(height);
        }
    };
    std::unique_ptr<QWidget> view =
        makeView_ ? makeView_(reportHeight) : std::make_unique<QWidget>();
    const double fitting = view->sizeHint().height();
    window_->setContent(std::move(view));
    // The window follows its content; the user does not size it.
    window_->setFixedSize(
        static_cast<int>(SettingsWindowSize::width),
        static_cast<int>(std::lround(SettingsWindowSize::initialHeight(fitting))));
    window_->centre();
}

void SettingsWindowController::onHeight(double reported) {
    if (!window_) {
        return;
    }
    const QRect frame = window_->frameGeometry();
    const auto resized = SettingsWindowSize::resized(frame, window_->height(), reported);
    if (!resized) {
        return;
    }
    // Qt sizes the content; the window manager keeps the top edge where it is.
    const double decoration = frame.height() - window_->height();
    window_->setFixedSize(window_->width(),
                          static_cast<int>(std::lround(resized->height() - decoration)));
}

}  // namespace holdsheet
