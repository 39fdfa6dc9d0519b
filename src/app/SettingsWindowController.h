#pragma once

#include "app/AuxiliaryWindow.h"
#include "app/WindowPlatform.h"

#include <functional>
#include <memory>

namespace holdsheet {

// Owns the settings window: built on first showing, kept when closed and shown again,
// 640 wide and as high as its content reports, with the top edge kept when it grows.
// Opening it closes the cheat sheet.
class SettingsWindowController {
  public:
    // The window's content, given the handler it reports the height it needs to.
    using ViewFactory =
        std::function<std::unique_ptr<QWidget>(std::function<void(double)> onHeight)>;

    // `hidePanel` closes the cheat sheet; `makeView` makes the content (the settings view),
    // an empty one when not given.
    SettingsWindowController(WindowPlatform platform, std::function<void()> hidePanel,
                             ViewFactory makeView = {});
    ~SettingsWindowController();
    SettingsWindowController(const SettingsWindowController&) = delete;
    SettingsWindowController& operator=(const SettingsWindowController&) = delete;

    // Null until the first show().
    QWidget* window() const { return window_.get(); }
    // Hides the panel, then brings the window to the front with its title in the current
    // language.
    void show();

  private:
    void build();
    void onHeight(double reported);

    WindowPlatform platform_;
    std::function<void()> hidePanel_;
    ViewFactory makeView_;
    std::unique_ptr<AuxiliaryWindow> window_;
    // The view's handlers hold this weakly: once the controller is gone they do nothing.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace holdsheet
