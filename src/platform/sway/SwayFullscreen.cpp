#include "platform/sway/SwayFullscreen.h"

namespace holdsheet {

QString SwayFullscreen::windowEvent(const SwayWindowEvent& event, pid_t ownPid) {
    if (!event.window) {
        return {};
    }
    const SwayWindow& window = *event.window;
    const bool ours = window.pid == ownPid;
    if (event.change != "focus") {
        if (ours && event.change == "new") {
            panelMapping_ = true;
        } else if (!ours && lastFocused_ && lastFocused_->id == window.id &&
                   event.change != "close") {
            // Out of fullscreen while the panel maps: the panel's doing, undone later.
            if (panelMapping_ && lastFocused_->fullscreen && !window.fullscreen) {
                toRestore_ = window.id;
            }
            lastFocused_ = window;
        }
        return {};
    }
    if (ours) {
        panelMapping_ = false;
        if (lastFocused_ && lastFocused_->fullscreen) {
            toRestore_ = lastFocused_->id;
        }
        return {};
    }
    lastFocused_ = window;
    const auto restore = std::exchange(toRestore_, std::nullopt);
    if (restore == window.id && !window.fullscreen) {
        return QStringLiteral("[con_id=%1] fullscreen enable").arg(window.id);
    }
    return {};  // the user went on to another window: left as it is
}

}  // namespace holdsheet
