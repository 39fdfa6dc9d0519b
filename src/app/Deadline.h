#pragma once

#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace holdsheet {

// Ends the process with a message and a status once the limit passes, whatever the main
// thread is blocked in (a bus that never answers, a file that never opens, standard output
// into a pipe nobody reads). Going, it first writes out what standard output holds, still
// within the limit; gone before the limit, it does nothing.
class Deadline {
  public:
    Deadline(std::chrono::milliseconds limit, int status, QByteArray message);
    ~Deadline();
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

  private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread watcher_;  // last: it starts once the rest stands
};

}  // namespace holdsheet
