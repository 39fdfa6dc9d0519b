#include "support/VirtualScheduler.h"

namespace holdsheet::testing {

struct VirtualScheduler::Pending : Scheduler::Delay, std::enable_shared_from_this<Pending> {
    VirtualScheduler* scheduler = nullptr;
    Wakeup wakeup;

    void wake(bool cancelled) {
        if (wakeup) {
            auto call = std::move(wakeup);
            wakeup = nullptr;
            call(cancelled);
        }
    }
    void cancel() override {
        if (!wakeup) {
            return;
        }
        // Wakes at the next turn of the main thread, as a cancelled sleep does.
        scheduler->post([self = shared_from_this()] { self->wake(true); });
    }
};

std::shared_ptr<Scheduler::Delay> VirtualScheduler::after(std::chrono::milliseconds delay,
                                                          Wakeup wakeup) {
    auto pending = std::make_shared<Pending>();
    pending->scheduler = this;
    pending->wakeup = std::move(wakeup);
    delays_.emplace(now_ + delay, pending);
    return pending;
}

void VirtualScheduler::runUntilIdle() {
    while (!posted_.empty() || !detached_.empty()) {
        auto& queue = posted_.empty() ? detached_ : posted_;
        Task task = std::move(queue.front());
        queue.pop_front();
        task();
    }
    // Delays that were cancelled and have woken are done.
    std::erase_if(delays_, [](const auto& entry) { return !entry.second->wakeup; });
}

void VirtualScheduler::advance(std::chrono::milliseconds by) {
    const auto target = now_ + by;
    runUntilIdle();
    while (!delays_.empty() && delays_.begin()->first <= target) {
        auto [due, pending] = *delays_.begin();
        delays_.erase(delays_.begin());
        now_ = due;
        pending->wake(false);
        runUntilIdle();
    }
    now_ = target;
}

}  // namespace holdsheet::testing
