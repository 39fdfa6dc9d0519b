#include "platform/posix/QtScheduler.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

namespace holdsheet {
namespace {

using namespace std::chrono_literals;

// At shut-down: a piece of work that does not end is given up on, and the waiting work is
// dropped.
TEST(QtScheduler, ADrainGivesUpOnWorkThatRunsOn) {
    std::promise<void> started;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> waitingRan{false};
    QtScheduler scheduler;
    scheduler.detach([&] {
        started.set_value();
        released.wait();
    });
    scheduler.detach([&] { waitingRan = true; });
    started.get_future().wait();

    EXPECT_FALSE(scheduler.drain(0ms)) << "the running piece holds on";
    release.set_value();
    EXPECT_TRUE(scheduler.drain(1h));
    EXPECT_FALSE(waitingRan);
}

}  // namespace
}  // namespace holdsheet
