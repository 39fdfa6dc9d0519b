#include "platform/posix/ImmediateExit.h"

#include <algorithm>
#include <climits>

#include <poll.h>
#include <unistd.h>

namespace holdsheet {

void exitImmediately(int status, std::string_view notice) noexcept {
    if (!notice.empty()) {
        // A pipe that polls writable takes up to PIPE_BUF bytes whole, without blocking.
        pollfd error{STDERR_FILENO, POLLOUT, 0};
        if (poll(&error, 1, 0) == 1 && (error.revents & POLLOUT) != 0) {
            const auto size = std::min<std::size_t>(notice.size(), PIPE_BUF);
            [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, notice.data(), size);
        }
    }
    _exit(status);
}

}  // namespace holdsheet
