#pragma once

#include "platform/Workspace.h"
#include "platform/freedesktop/DesktopEntryIndex.h"

namespace holdsheet {

// The application of a window a Wayland compositor describes: named by its launcher entry
// (found by its app id, or an X11 window's class), else by that id, else by its process.
RunningApplication applicationOfWindow(pid_t pid, const QString& appId, const QString& windowClass,
                                       const DesktopEntryIndex& entries);

}  // namespace holdsheet
