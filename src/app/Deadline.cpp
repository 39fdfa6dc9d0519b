#include "app/Deadline.h"

#include <cstdio>
#include <cstdlib>

namespace holdsheet {

Deadline::Deadline(std::chrono::milliseconds limit, int status, QByteArray message)
    : watcher_([this, limit, status, message = std::move(message)] {
          std::unique_lock lock(mutex_);
          if (!finished_.wait_for(lock, limit, [this] { return done_; })) {
              std::fflush(stdout);
              std::fputs(message.constData(), stderr);
              std::fflush(stderr);
              std::_Exit(status);  // the main thread cannot be unwound from where it waits
          }
      }) {}

Deadline::~Deadline() {
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    finished_.notify_all();
    watcher_.join();
}

}  // namespace holdsheet
