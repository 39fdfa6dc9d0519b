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
    scheduler.after(300ms, [&](bool cancelled) {
        log.push_back("b " + std::to_string(cancelled) + " " +
                      std::to_string(scheduler.now().count()));
    });
    scheduler.after(100ms, [&](bool cancelled) {
        log.push_back("a " + std::to_string(cancelled) + " " +
                      std::to_string(scheduler.now().count()));
    });
    auto c = scheduler.after(200ms, [&](bool cancelled) {
        log.push_back("c " + std::to_string(cancelled) + " " +
                      std::to_string(scheduler.now().count()));
    });
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
