#pragma once

#include <QByteArray>

#include <functional>
#include <memory>

namespace holdsheet {

enum class SessionKind {
    x11,
    sway,
    gnome,            // GNOME Shell on Wayland
    unservedWayland,  // a Wayland desktop the program has no adapters for
    none,
};

// The kind of session from its environment (`variable` reads one). A Wayland session wins
// over the X display its Xwayland offers: through it the program would see only X clients.
SessionKind sessionKind(const std::function<QByteArray(const char*)>& variable);

// The line that says what a session of that kind lacks, for a start that cannot go on.
QByteArray sessionKindProblem(SessionKind kind);

class DesktopEntryIndex;
class SessionReaders;

// The readers of the session the environment names: sway's, GNOME's, else X11's (which read nothing
// without a display).
std::unique_ptr<SessionReaders> sessionReaders(const DesktopEntryIndex& entries);

}  // namespace holdsheet
