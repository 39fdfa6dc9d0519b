#pragma once

#include <optional>

#include <sys/types.h>

namespace holdsheet {

// The process whose window the accessibility bus reports active, other than `except`: the
// application in front where the desktop tells no client (GNOME Shell without the program's
// extension). None when no application says so. Each of its three rounds of calls waits at
// most `timeoutMs`.
std::optional<pid_t> accessibleActiveProcess(pid_t except, int timeoutMs);

}  // namespace holdsheet
