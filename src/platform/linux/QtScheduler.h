#pragma once

#include "platform/Scheduler.h"

#include <QObject>
#include <QThreadPool>

namespace holdsheet {

// The Qt event loop for the main thread (precise timers: coarse ones fire up to 5 % early)
// and one background worker, so accessibility reads never run two at a time.
class QtScheduler : public Scheduler {
  public:
    QtScheduler();
    ~QtScheduler() override;

    void post(Task task) override;
    std::shared_ptr<Delay> after(std::chrono::milliseconds delay, Wakeup wakeup) override;
    void detach(Task task) override;
    // Drops background work not yet started and waits for the running piece: before the
    // collaborators that work uses go away.
    void drain();

  private:
    QObject context_;  // lives on the main thread; timers and posts are delivered through it
    QThreadPool worker_;
};

}  // namespace holdsheet
