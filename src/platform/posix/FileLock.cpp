#include "platform/posix/FileLock.h"

#include <QFile>

#include <cerrno>
#include <ctime>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace holdsheet {

FileLock::FileLock(const QString& path, std::chrono::milliseconds patience) {
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking and no links followed: whatever sits at that name must not stall or
    // redirect us; only a regular file is locked.
    fd_ = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd_ < 0) {
        return;
    }
    struct stat info {};
    if (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        return;
    }
    constexpr auto step = std::chrono::milliseconds(2);
    for (auto waited = std::chrono::milliseconds(0);; waited += step) {
        if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return;
        }
        if (waited >= patience) {
            return;
        }
        const timespec pause{0, std::chrono::nanoseconds(step).count()};
        nanosleep(&pause, nullptr);
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        ::close(fd_);  // releases the lock
    }
}

}  // namespace holdsheet
