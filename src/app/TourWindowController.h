#pragma once

#include "app/TourWindow.h"
#include "app/WindowPlatform.h"

#include <functional>
#include <memory>

namespace holdsheet {

// Owns the feature tour: a fresh window at every showing after a close, 780 × 580 and
// centred. Closing the tour in any way, Escape and its own buttons included, records that
// onboarding is done.
class TourWindowController {
  public:
    static constexpr int width = 780;
    static constexpr int height = 580;

    // `compositing`: whether a compositing manager runs, so the window may be see-through;
    // `showSettings` opens the settings window.
    TourWindowController(WindowPlatform platform, bool compositing,
                         std::function<void()> showSettings);
    ~TourWindowController();
    TourWindowController(const TourWindowController&) = delete;
    TourWindowController& operator=(const TourWindowController&) = delete;

    // Null until show(), and again once the tour closes.
    QWidget* window() const { return window_.get(); }
    void show();

  private:
    void build();
    void close();
    void windowWillClose();

    WindowPlatform platform_;
    bool compositing_;
    std::function<void()> showSettings_;
    std::unique_ptr<TourWindow> window_;
    // The view's handlers hold this weakly: once the controller is gone they do nothing.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace holdsheet
