#include "permissions/PermissionMonitor.h"

#include "prefs/Preferences.h"
#include "support/FakeAccessibility.h"
#include "support/FakeRunner.h"
#include "support/MemoryPreferenceStore.h"
#include "support/QtPrinters.h"
#include "support/VirtualScheduler.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

class Permission : public ::testing::Test {
  protected:
    PermissionMonitor make() { return PermissionMonitor({ax, store, scheduler, runner}); }
    // A launch: the stale grant reset, and what that left for later run.
    void launch() {
        auto monitor = make();
        monitor.resetStaleGrant();
        scheduler.runUntilIdle();
    }
    FakeAccessibility ax;
    MemoryPreferenceStore store;
    VirtualScheduler scheduler;
    FakeRunner runner;
};

TEST_F(Permission, AtLaunchOnlyAHeldGrantIsRememberedAndALostOnePromptsOnceAfterTheLaunch) {
    ax.trusted = false;
    launch();
    EXPECT_TRUE(store.isEmpty());
    ax.trusted = true;
    launch();
    EXPECT_TRUE(Preferences(store).hadAccessibilityAccess());
    EXPECT_EQ(ax.prompts, 0);

    ax.trusted = false;
    auto monitor = make();
    monitor.resetStaleGrant();
    EXPECT_FALSE(Preferences(store).hadAccessibilityAccess()) << "cleared before anything runs";
    EXPECT_EQ(ax.prompts, 0);
    scheduler.runUntilIdle();
    EXPECT_EQ(ax.prompts, 1);

    launch();  // the next launch without permission
    EXPECT_EQ(ax.prompts, 1);
    EXPECT_TRUE(runner.log.empty());
}

TEST_F(Permission, FollowsTheSwitchWithOneNotificationPerChangeUntilStopped) {
    ax.trusted = false;
    auto monitor = make();
    int notifications = 0;
    QObject::connect(&monitor, &PermissionMonitor::trustChanged, [&] { ++notifications; });
    ax.trusted = true;  // switched on between the monitor's start and its watch
    monitor.startWatching();
    monitor.startWatching();
    EXPECT_TRUE(monitor.trusted());
    EXPECT_EQ(notifications, 1);
    EXPECT_TRUE(Preferences(store).hadAccessibilityAccess());

    ax.setTrusted(false);  // withdrawn while running
    EXPECT_FALSE(monitor.trusted());
    EXPECT_EQ(notifications, 2);
    EXPECT_TRUE(Preferences(store).hadAccessibilityAccess());
    ax.setTrusted(true);
    EXPECT_TRUE(monitor.trusted());
    EXPECT_EQ(notifications, 3);
    EXPECT_EQ(scheduler.pendingDelays(), 0u) << "nothing timed: no wakeup while nothing changes";

    monitor.stopWatching();  // nothing is heard after stopping, nor once the monitor is gone
    ax.setTrusted(false);
    EXPECT_TRUE(monitor.trusted());
    EXPECT_EQ(notifications, 3);
    {
        auto gone = make();
        gone.startWatching();
        EXPECT_TRUE(ax.observed());
    }
    EXPECT_FALSE(ax.observed()) << "a monitor that went away is not called";
}

TEST_F(Permission, RequestPromptsAndOpensTheSettingsPage) {
    auto monitor = make();
    monitor.request();
    monitor.openInputMonitoringSettings();
    EXPECT_EQ(ax.prompts, 1);
    EXPECT_EQ(runner.log,
              (std::vector<std::string>{"launch gnome-control-center universal-access",
                                        "launch gnome-control-center universal-access"}));
}

}  // namespace
}  // namespace holdsheet
