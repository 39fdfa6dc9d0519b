#include "app/SessionKind.h"

#include "platform/sway/SwaySession.h"
#include "platform/x11/X11Session.h"

namespace holdsheet {

SessionKind sessionKind(const std::function<QByteArray(const char*)>& variable) {
    if (!variable("WAYLAND_DISPLAY").isEmpty()) {
        return variable("SWAYSOCK").isEmpty() ? SessionKind::unservedWayland : SessionKind::sway;
    }
    return variable("DISPLAY").isEmpty() ? SessionKind::none : SessionKind::x11;
}

QByteArray sessionKindProblem(SessionKind kind) {
    switch (kind) {
        case SessionKind::none:
            return "holdsheet: no display (neither WAYLAND_DISPLAY nor DISPLAY is set)\n";
        case SessionKind::unservedWayland:
            return "holdsheet: this Wayland desktop is not served yet; Holdsheet runs on X11 "
                   "and on sway. To use it through Xwayland (it then sees X11 applications "
                   "only), start it as: env -u WAYLAND_DISPLAY holdsheet\n";
        case SessionKind::x11:
        case SessionKind::sway:
            break;
    }
    return {};
}

std::unique_ptr<SessionReaders> sessionReaders(const DesktopEntryIndex& entries) {
    if (sessionKind([](const char* name) { return qgetenv(name); }) == SessionKind::sway) {
        return std::make_unique<SwaySessionReaders>(qgetenv("SWAYSOCK"), entries);
    }
    return std::make_unique<X11SessionReaders>(entries);
}

}  // namespace holdsheet
