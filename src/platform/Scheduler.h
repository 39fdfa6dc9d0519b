#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace holdsheet {

// Where and when work runs. Every wait in the logic goes through here, so tests run hours
// of waiting in no time on a virtual clock.
class Scheduler {
  public:
    using Task = std::function<void()>;
    // Called once: when the delay has passed (false), or at once when cancelled (true).
    using Wakeup = std::function<void(bool cancelled)>;

    // A pending delay. Cancelling (on the main thread) wakes the sleeper early; cancelling
    // twice, or after it woke, does nothing. Dropping the handle does not cancel.
    class Delay {
      public:
        virtual ~Delay() = default;
        virtual void cancel() = 0;
    };

    virtual ~Scheduler() = default;

    // Runs on the main thread at its next turn.
    virtual void post(Task task) = 0;
    // Wakes on the main thread after the delay, or when cancelled.
    virtual std::shared_ptr<Delay> after(std::chrono::milliseconds delay, Wakeup wakeup) = 0;
    // Runs off the main thread, on the background worker.
    virtual void detach(Task task) = 0;
};

}  // namespace holdsheet
