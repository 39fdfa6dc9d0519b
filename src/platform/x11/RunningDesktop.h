#pragma once

#include <QString>

namespace holdsheet {

// The desktops whose own key bindings can be read.
enum class Desktop { none, gnome, kde, xfce, openbox };

// The desktop of the session. The window manager that announces itself on the root window
// (_NET_SUPPORTING_WM_CHECK) decides: it holds the desktop's keys, and it is the one running
// now, where XDG_CURRENT_DESKTOP is inherited and outlives a replaced window manager. A
// window manager of another name means none of these desktops. Only without one does
// XDG_CURRENT_DESKTOP (a colon-separated list, first known name wins) decide.
Desktop desktopOf(const QString& windowManagerName, const QString& currentDesktop);

// The name of the running window manager (_NET_WM_NAME of the window that
// _NET_SUPPORTING_WM_CHECK names, which names itself again), or empty.
QString windowManagerName();

// desktopOf the running window manager and the environment.
Desktop runningDesktop();

}  // namespace holdsheet
