#pragma once

#include <string_view>

namespace holdsheet {

// Ends the process on the spot, from any thread, whatever the others hold: no stdio, no
// allocation, no exit handlers, so a thread stuck in a write to a full pipe (holding the
// stream's lock) cannot hold it up. The notice goes to standard error only when that takes
// no waiting; one that would is dropped.
[[noreturn]] void exitImmediately(int status, std::string_view notice = {}) noexcept;

}  // namespace holdsheet
