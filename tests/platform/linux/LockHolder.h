#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace holdsheet::testing {

// Another process that holds the lock file `path` until released (or gone with its owner).
class LockHolder {
  public:
    explicit LockHolder(const QString& path) {
        const QByteArray name = QFile::encodeName(path);
        int held[2] = {-1, -1};
        if (::pipe(release_) != 0 || ::pipe(held) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(release_[1]);  // else its own copy would keep the pipe open
            ::close(held[0]);
            const int fd = ::open(name.constData(), O_RDWR | O_CREAT, 0600);
            const char answer = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? '1' : '0';
            (void)!::write(held[1], &answer, 1);
            char ignored = 0;
            (void)!::read(release_[0], &ignored, 1);  // until the other end closes
            ::_exit(0);
        }
        ::close(held[1]);
        ::close(release_[0]);
        char answer = '0';
        locked_ = pid_ > 0 && ::read(held[0], &answer, 1) == 1 && answer == '1';
        ::close(held[0]);
    }
    ~LockHolder() { release(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool locked() const { return locked_; }
    // Returns once the lock is free again.
    void release() {
        if (release_[1] >= 0) {
            ::close(release_[1]);
            release_[1] = -1;
        }
        if (pid_ > 0) {
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

  private:
    int release_[2] = {-1, -1};
    pid_t pid_ = -1;
    bool locked_ = false;
};

}  // namespace holdsheet::testing
