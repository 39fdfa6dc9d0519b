#include "app/SessionKind.h"

#include "platform/gnome/GnomeSession.h"
#include "platform/sway/SwaySession.h"
#include "platform/x11/X11Session.h"

namespace holdsheet {

SessionKind sessionKind(const std::function<QByteArray(const char*)>& variable) {
    if (!variable("WAYLAND_DISPLAY").isEmpty()) {
        if (!variable("SWAYSOCK").isEmpty()) {
            return SessionKind::sway;
        }
        // A list ("ubuntu:GNOME"), matched by whole names.
        const QList<QByteArray> desktops = variable("XDG_CURRENT_DESKTOP").split(':');
        return desktops.contains("GNOME") ? SessionKind::gnome : SessionKind::unservedWayland;
    }
    return variable("DISPLAY").isEmpty() ? SessionKind::none : SessionKind::x11;
}

QByteArray sessionKindProblem(SessionKind kind) {
    switch (kind) {
        case SessionKind::none:
            return "holdsheet: no display (neither WAYLAND_DISPLAY nor DISPLAY is set)\n";
        case SessionKind::unservedWayland:
            return "holdsheet: this Wayland desktop is not served yet; Holdsheet runs on X11, "
                   "on sway and on GNOME. To use it through Xwayland (it then sees X11 "
                   "applications "
                   "only), start it as: env -u WAYLAND_DISPLAY holdsheet\n";
        case SessionKind::x11:
        case SessionKind::sway:
        case SessionKind::gnome:
            break;
    }
    return {};
}

std::unique_ptr<SessionReaders> sessionReaders(const DesktopEntryIndex& entries) {
    switch (sessionKind([](const char* name) { return qgetenv(name); })) {
        case SessionKind::sway:
            return std::make_unique<SwaySessionReaders>(qgetenv("SWAYSOCK"), entries);
        case SessionKind::gnome:
            return std::make_unique<GnomeSessionReaders>(entries);
        case SessionKind::x11:
        case SessionKind::unservedWayland:
        case SessionKind::none:
            break;
    }
    return std::make_unique<X11SessionReaders>(entries);
}

}  // namespace holdsheet
