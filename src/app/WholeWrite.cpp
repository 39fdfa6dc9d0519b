#include "app/WholeWrite.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

namespace holdsheet {

int writeWhole(int fd, const QByteArray& bytes) {
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO;  // no progress and no reason: do not spin
        }
        next += written;
        left -= written;
    }
    // Closing a copy flushes as closing the original would, and leaves `fd` open.
    const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0) {
        return errno;
    }
    if (::close(copy) != 0 && errno != EINTR) {
        return errno;
    }
    return 0;
}

}  // namespace holdsheet
