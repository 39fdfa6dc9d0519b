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

using namespace std::chrono_literals;
using namespace holdsheet::testing;

class Permission : public ::testing::Test {
  protected:
    PermissionMonitor make() { return PermissionMonitor({ax, store, scheduler, runner}); }
    FakeAccessibility ax;
    MemoryPreferenceStore store;
    VirtualScheduler scheduler;
    FakeRunner runner;
};

TEST_F(Permission, HeldAtLaunchIsRemembered) {
    ax.trusted = true;
    auto monitor = make();
    monitor.resetStaleGrant();
    scheduler.runUntilIdle();
    EXPECT_TRUE(Preferences(store).hadAccessibilityAccess());
    EXPECT_TRUE(runner.log.empty());
    EXPECT_EQ(ax.prompts, 0);
}

TEST_F(Permission, FirstLaunchWithoutItDoesNothing) {
    ax.trusted = false;
    auto monitor = make();
    monitor.resetStaleGrant();
    scheduler.runUntilIdle();
    EXPECT_TRUE(runner.log.empty());
    EXPECT_EQ(ax.prompts, 0);
    EXPECT_TRUE(store.isEmpty());
}

TEST_F(Permission, ALostGrantIsRepairedOnceThenPrompted) {
    ax.trusted = false;
    Preferences(store).setHadAccessibilityAccess(true);
    auto monitor = make();
    monitor.resetStaleGrant();
    EXPECT_FALSE(Preferences(store).hadAccessibilityAccess()) << "cleared before anything runs";
    EXPECT_EQ(ax.prompts, 0);
    scheduler.runUntilIdle();
    EXPECT_EQ(runner.log, (std::vector<std::string>{
                              "/usr/bin/tccutil reset Accessibility org.holdsheet.Holdsheet",
                              "/usr/bin/tccutil reset ListenEvent org.holdsheet.Holdsheet",
                              "/usr/bin/tccutil reset PostEvent org.holdsheet.Holdsheet"}));
    EXPECT_EQ(ax.prompts, 1);

    auto again = make();  // the next launch without permission
    again.resetStaleGrant();
    scheduler.runUntilIdle();
    EXPECT_EQ(runner.log.size(), 3u);
    EXPECT_EQ(ax.prompts, 1);
}

TEST_F(Permission, PollingNotifiesOncePerChange) {
    ax.trusted = false;
    auto monitor = make();
    int notifications = 0;
    QObject::connect(&monitor, &PermissionMonitor::trustChanged, [&] { ++notifications; });
    monitor.startPolling();
    monitor.startPolling();  // one loop only: the replaced one wakes for its last check
    scheduler.runUntilIdle();
    ax.trusted = true;
    EXPECT_FALSE(monitor.trusted()) << "the first check is one interval away";
    scheduler.advance(999ms);
    EXPECT_FALSE(monitor.trusted());
    scheduler.advance(1ms);
    EXPECT_TRUE(monitor.trusted());
    EXPECT_EQ(notifications, 1);
    EXPECT_TRUE(Preferences(store).hadAccessibilityAccess());
    scheduler.advance(10s);
    EXPECT_EQ(notifications, 1);

    ax.trusted = false;  // withdrawn while running
    scheduler.advance(1s);
    EXPECT_FALSE(monitor.trusted());
    EXPECT_EQ(notifications, 2);
    EXPECT_TRUE(Preferences(store).hadAccessibilityAccess());
}

TEST_F(Permission, StoppingWakesTheLoopForOneLastCheck) {
    ax.trusted = false;
    auto monitor = make();
    int notifications = 0;
    QObject::connect(&monitor, &PermissionMonitor::trustChanged, [&] { ++notifications; });
    monitor.startPolling();
    scheduler.advance(300ms);
    ax.trusted = true;
    monitor.stopPolling();
    scheduler.runUntilIdle();
    EXPECT_EQ(notifications, 1);
    ax.trusted = false;
    scheduler.advance(10s);
    EXPECT_EQ(notifications, 1) << "no loop after the stop";
}

TEST_F(Permission, RequestPromptsAndOpensTheSettingsPage) {
    auto monitor = make();
    monitor.request();
    monitor.openInputMonitoringSettings();
    EXPECT_EQ(ax.prompts, 1);
    EXPECT_EQ(runner.log,
              (std::vector<std::string>{"launch gnome-control-center universal-access",
                                        "launch gnome-control-center universal-access"}));
    EXPECT_EQ(codeSignatureSummary(), "ukjent");
}

}  // namespace
}  // namespace holdsheet
