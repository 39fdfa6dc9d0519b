#include "app/AppDelegate.h"

#include "permissions/PermissionMonitor.h"
#include "prefs/Preferences.h"
#include "trigger/HoldMonitor.h"

#include "support/FakeRunner.h"
#include "support/FakeShell.h"
#include "support/PanelHarness.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace std::chrono_literals;
using namespace holdsheet::testing;
using Look = Appearance::Look;

struct Delegate : PanelHarness {
    Delegate() { ax.trusted = false; }
    void launch() {
        permission = std::make_unique<PermissionMonitor>(
            PermissionMonitor::Platform{ax, store, scheduler, runner});
        hold = std::make_unique<HoldMonitor>(
            HoldMonitor::Platform{monitors, scheduler, store, ax, workspace, controller});
        delegate = std::make_unique<AppDelegate>(
            AppDelegate::Platform{store, appearance, log, application},
            AppDelegate::Machinery{*permission, *hold, controller},
            AppDelegate::Windows{[this] { windows << "settings"; },
                                 [this] { windows << "welcome"; }, [this] { windows << "tour"; },
                                 [this] { windows << "close welcome"; }},
            AppDelegate::startupLine({"2.3", "45", {}}));
        delegate->applicationDidFinishLaunching();
    }
    FakeRunner runner;
    FakeAppearance appearance;
    FakeLog log;
    FakeApplicationControl application;
    QStringList windows;
    std::unique_ptr<PermissionMonitor> permission;
    std::unique_ptr<HoldMonitor> hold;
    std::unique_ptr<AppDelegate> delegate;
};

TEST(AppDelegate, OnboardingAtLaunchFollowsThePermissionAndHasOnboardedAndReopenBringsTheSettings) {
    const struct {
        bool trusted;
        std::optional<bool> onboarded;
        QStringList opened;
    } rows[] = {
        {false, std::nullopt, {"welcome"}},
        {false, true, {"welcome"}},
        {true, std::nullopt, {"tour"}},
        {true, false, {"tour"}},
        {true, true, {}},
    };
    for (const auto& row : rows) {
        Delegate d;
        d.ax.trusted = row.trusted;
        if (row.onboarded) {
            Preferences(d.store).setHasOnboarded(*row.onboarded);
        }
        d.launch();
        EXPECT_EQ(d.windows, row.opened) << "trusted " << row.trusted;
        EXPECT_GT(d.monitors.count(), 0) << "the trigger is armed, inert or not";
        EXPECT_EQ(d.log.lines, QStringList{"Holdsheet 2.3 (45)"}) << "one line naming the build";
        // Launched again while running: the settings.
        EXPECT_FALSE(d.delegate->applicationShouldHandleReopen(false));
        EXPECT_EQ(d.windows, row.opened + QStringList{"settings"});
    }
    EXPECT_FALSE(AppDelegate::applicationShouldTerminateAfterLastWindowClosed());
}

TEST(AppDelegate, TheThemeIsSetOnlyWhenItsLookChanges) {
    Delegate d;
    d.launch();
    EXPECT_EQ(d.appearance.changes, 0) << "system at launch: nothing to set";

    Preferences(d.store).setTheme(AppTheme::dark);
    EXPECT_EQ(d.appearance.look, Look::dark);
    Preferences(d.store).setTextSize(TextSize::large);  // unrelated
    Preferences(d.store).setTheme(AppTheme::dark);
    EXPECT_EQ(d.appearance.changes, 1);

    Preferences(d.store).setTheme(AppTheme::system);
    EXPECT_EQ(d.appearance.look, std::nullopt);
    EXPECT_EQ(d.appearance.changes, 2);
    Preferences(d.store).setTheme(AppTheme::light);
    EXPECT_EQ(d.appearance.look, Look::light);
    EXPECT_EQ(d.appearance.changes, 3);
}

TEST(AppDelegate, ThePermissionArrivingOpensTheTourUntilOnboarded) {
    Delegate d;
    d.launch();
    ASSERT_EQ(d.windows, QStringList{"welcome"});
    const int monitorsBefore = d.monitors.count();

    d.ax.setTrusted(true);
    EXPECT_EQ(d.windows, (QStringList{"welcome", "tour", "close welcome"}));
    EXPECT_EQ(d.monitors.count(), monitorsBefore) << "re-armed, not doubled";

    d.ax.setTrusted(false);  // withdrawn: no window
    Preferences(d.store).setHasOnboarded(true);
    d.ax.setTrusted(true);  // back, but onboarding is done
    EXPECT_EQ(d.windows, (QStringList{"welcome", "tour", "close welcome"}));
}

TEST(AppDelegate, QuitShutsDownOnceAndEndsTheProcessIfTheLoopDoesNot) {
    Delegate d;
    d.launch();
    d.controller.show();
    ASSERT_TRUE(d.panelVisible());

    d.delegate->quitApplication();
    EXPECT_TRUE(d.delegate->didShutDown());
    EXPECT_EQ(d.monitors.count(), 0) << "trigger stopped";
    EXPECT_EQ(d.controller.panel(), nullptr) << "panel torn down";
    EXPECT_EQ(d.application.terminations, 1);

    d.hold->start();  // a second shut-down would stop it again
    d.delegate->applicationWillTerminate();
    EXPECT_GT(d.monitors.count(), 0);

    d.ax.setTrusted(true);  // no longer watched: the grant is never noticed
    d.scheduler.advance(AppDelegate::exitFallback);
    EXPECT_EQ(d.windows, QStringList{"welcome"});
    // Not a timer of the event loop, which has ended by then.
    EXPECT_EQ(d.scheduler.pendingDelays(), 0u);
    EXPECT_EQ(d.application.delayedExits,
              (std::vector<std::pair<std::chrono::milliseconds, int>>{{1500ms, 0}}));
    EXPECT_TRUE(d.application.exits.empty());
}

}  // namespace
}  // namespace holdsheet
