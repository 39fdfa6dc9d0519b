#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace holdsheet {

// SIGTERM, SIGINT and SIGHUP as a call on the main thread, so quitting runs the orderly
// shut-down. Should the main thread not get there within `grace` (it may be stuck in a
// library's blocking call), or a second signal come, the process ends with status 0.
// Construct it before any other thread starts: every thread inherits the blocked signals.
class QuitSignal {
  public:
    QuitSignal(std::chrono::milliseconds grace, std::function<void()> onQuit);
    ~QuitSignal();
    QuitSignal(const QuitSignal&) = delete;
    QuitSignal& operator=(const QuitSignal&) = delete;

    // False when the signals could not be routed; they then end the process the usual way.
    bool ok() const { return signalFd_ >= 0 && stopFd_ >= 0; }

  private:
    void watch();

    std::chrono::milliseconds grace_;
    std::function<void()> onQuit_;
    int signalFd_ = -1;
    int stopFd_ = -1;
    std::thread watcher_;
};

}  // namespace holdsheet
