#pragma once

#include <optional>

#include <sys/types.h>

namespace holdsheet {

// The process that owns the active window (_NET_ACTIVE_WINDOW, _NET_WM_PID), if the
// window manager says.
std::optional<pid_t> activeWindowPid();

}  // namespace holdsheet
