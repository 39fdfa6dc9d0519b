#pragma once

#include <QString>

#include <chrono>

namespace holdsheet {

// An advisory lock on a file of its own beside the data it guards, held while alive. The
// data file itself cannot carry the lock: it is replaced by a rename at every write. Waiting
// is bounded, because a process that holds the lock and hangs must not hang us: after
// `patience` the owner goes on unlocked, which is what it did before locks existed.
class FileLock {
  public:
    FileLock(const QString& path, std::chrono::milliseconds patience);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return held_; }

  private:
    int fd_ = -1;
    bool held_ = false;
};

}  // namespace holdsheet
