#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace holdsheet::testing {

// Holds the lock file `path` as another process would: flock() sets one descriptor's lock
// against every other descriptor, in this process too.
class LockHolder {
  public:
    explicit LockHolder(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)),
          locked_(fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0) {}
    ~LockHolder() { release(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool locked() const { return locked_; }
    void release() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

  private:
    int fd_;
    bool locked_;
};

}  // namespace holdsheet::testing
