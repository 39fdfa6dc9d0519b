#include "app/Deadline.h"

#include "platform/posix/ImmediateExit.h"

#include <cstdio>

namespace holdsheet {

Deadline::Deadline(std::chrono::milliseconds limit, int status, QByteArray message)
    : watcher_([this, limit, status, message = std::move(message)] {
          std::unique_lock lock(mutex_);
          if (!finished_.wait_for(lock, limit, [this] { return done_; })) {
              // The main thread cannot be unwound from where it waits, and may wait in a
              // write to a pipe nobody reads, holding the stream's lock.
              exitImmediately(status, std::string_view(message.constData(), message.size()));
          }
      }) {}

Deadline::~Deadline() {
    // What the run printed may still sit in the stream's buffer: writing it out is part of
    // the run, and may block as well.
    std::fflush(stdout);
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    finished_.notify_all();
    watcher_.join();
}

}  // namespace holdsheet
