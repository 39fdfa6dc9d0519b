#include "support/VirtualScheduler.h"

#include <gtest/gtest.h>

namespace holdsheet::testing {
namespace {

using namespace std::chrono_literals;

// Later tests time holds, fades and debounces on this clock: it has to keep the promises
// of the real scheduler.
TEST(VirtualScheduler, DelaysWakeInOrderAndCancellingWakesEarly) {
    VirtualScheduler scheduler;
    std::vector<std::string> log;
    const auto wake = [&](std::string name) {
        return [&, name](bool cancelled) {
            log.push_back(name + " " + std::to_string(cancelled) + " " +
                          std::to_string(scheduler.now().count()));
        };
    };
    scheduler.after(300ms, wake("b"));
    scheduler.after(100ms, wake("a"));
    auto c = scheduler.after(200ms, wake("c"));
    scheduler.advance(50ms);
    c->cancel();
    c->cancel();  // twice: still one wake-up
    scheduler.runUntilIdle();
    scheduler.advance(300ms);
    c->cancel();  // after it woke: nothing
    scheduler.runUntilIdle();
    EXPECT_EQ(log, (std::vector<std::string>{"c 1 50", "a 0 100", "b 0 300"}));
    EXPECT_EQ(scheduler.pendingDelays(), 0u);
}

}  // namespace
}  // namespace holdsheet::testing
