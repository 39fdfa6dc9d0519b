#pragma once

#include "platform/Scheduler.h"

#include <deque>
#include <map>
#include <vector>

namespace holdsheet::testing {

// A scheduler on a virtual clock. Nothing runs until the test says: `runUntilIdle` runs
// posted and detached work (detached work here runs on the test's thread), `advance` moves
// the clock and wakes the delays that come due, in order.
class VirtualScheduler : public Scheduler {
  public:
    void post(Task task) override { posted_.push_back(std::move(task)); }
    std::shared_ptr<Delay> after(std::chrono::milliseconds delay, Wakeup wakeup) override;
    void detach(Task task) override { detached_.push_back(std::move(task)); }

    void runUntilIdle();
    void advance(std::chrono::milliseconds by);
    std::chrono::milliseconds now() const { return now_; }
    std::size_t pendingDelays() const { return delays_.size(); }

  private:
    struct Pending;
    std::chrono::milliseconds now_{0};
    std::deque<Task> posted_;
    std::deque<Task> detached_;
    std::multimap<std::chrono::milliseconds, std::shared_ptr<Pending>> delays_;
};

}  // namespace holdsheet::testing
