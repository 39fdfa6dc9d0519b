#pragma once

#include "platform/Scheduler.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>

namespace holdsheet {

// The Qt event loop for the main thread (precise timers: coarse ones fire up to 5 % early)
// and one background worker, so accessibility reads never run two at a time.
class QtScheduler : public Scheduler {
  public:
    QtScheduler();
    // Waits for the running piece of background work however long it takes: whoever owns
    // this drains it with a limit first, or bounds the whole run.
    ~QtScheduler() override;

    void post(Task task) override;
    std::shared_ptr<Delay> after(std::chrono::milliseconds delay, Wakeup wakeup) override;
    void detach(Task task) override;
    // Before the collaborators background work uses go away: drops the work not yet
    // started, refuses any handed over from now on, and waits up to `limit` for the piece
    // that runs. False when it still runs (an application that answers slowly, a huge
    // menu): what it uses must then outlive it, which only the end of the process assures.
    bool drain(std::chrono::milliseconds limit);

  private:
    QObject context_;  // lives on the main thread; timers and posts are delivered through it
    QThreadPool worker_;
    std::atomic<bool> drained_{false};
};

}  // namespace holdsheet
