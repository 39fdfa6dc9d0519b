#pragma once

#include "platform/sway/SwayReplies.h"

#include <QString>

#include <optional>

namespace holdsheet {

// Over a fullscreen window the panel shows only once focused, and focusing it takes that
// window out of fullscreen. This puts it back when the focus returns to it from the panel.
class SwayFullscreen {
  public:
    // Follows a window event; the command that restores a window, or empty. `ownPid` is the
    // program's: its windows are the panel's side.
    QString windowEvent(const SwayWindowEvent& event, pid_t ownPid);
    // The window in front when following starts, before any focus event names it.
    void setFocused(const SwayWindow& window) { lastFocused_ = window; }

  private:
    std::optional<SwayWindow> lastFocused_;  // of another application
    std::optional<qint64> toRestore_;
    bool panelMapping_ = false;  // from the panel's new window to its focus
};

}  // namespace holdsheet
