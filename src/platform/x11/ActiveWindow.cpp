#include "platform/x11/ActiveWindow.h"

#include "platform/x11/X11Connection.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace holdsheet {

std::optional<pid_t> activeWindowPid() {
    const X11Connection x11;
    if (!x11.isOpen()) {
        return std::nullopt;
    }
    const auto window =
        cardinals(x11.display(), x11.root(), x11.atom("_NET_ACTIVE_WINDOW"), XA_WINDOW);
    if (window.empty() || window.front() == None) {
        return std::nullopt;
    }
    const auto pid = cardinals(x11.display(), window.front(), x11.atom("_NET_WM_PID"), XA_CARDINAL);
    if (pid.empty() || pid.front() == 0) {
        return std::nullopt;
    }
    return static_cast<pid_t>(pid.front());
}

}  // namespace holdsheet
