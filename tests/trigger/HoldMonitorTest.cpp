#include "trigger/HoldMonitor.h"

#include "prefs/Preferences.h"
#include "support/PanelHarness.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace std::chrono_literals;
using namespace holdsheet::testing;
using Flag = std::uint64_t;

constexpr Flag super = ModifierFlag::command;
constexpr Flag shift = ModifierFlag::shift;

class Hold : public ::testing::Test, public PanelHarness {
  protected:
    Hold() : monitor({monitors, scheduler, store, ax, workspace, controller}) { monitor.start(); }

    void flags(Flag value) { monitors.global({EventType::flagsChanged, 0, value}); }
    void key(int code = 8) { monitors.global({EventType::keyDown, code, super}); }
    void after(std::chrono::milliseconds time) { scheduler.advance(time); }

    HoldMonitor monitor;
};

TEST_F(Hold, HeldAlonePastTheDelayOpensThePanel) {
    flags(super);
    after(1999ms);
    EXPECT_FALSE(panelVisible());
    after(1ms);
    EXPECT_TRUE(panelVisible());
    EXPECT_EQ(controller.model().targetPID, editor.pid);
    flags(0);  // released: closeOnRelease is off, the panel stays
    after(1s);
    EXPECT_TRUE(panelVisible());
}

TEST_F(Hold, ReleasedBeforeTheDelayNothingOpens) {
    flags(super);
    after(1s);
    flags(0);
    after(5s);
    EXPECT_FALSE(panelVisible());
    EXPECT_FALSE(monitor.holding());
}

TEST_F(Hold, AShortcutWithSuperCancelsForAsLongAsSuperStaysDown) {
    flags(super);
    after(500ms);
    key();  // Super+C
    after(10s);
    EXPECT_FALSE(panelVisible());
    EXPECT_TRUE(monitor.commandDown());
    flags(super);  // the same press seen again changes nothing
    after(10s);
    EXPECT_FALSE(panelVisible());
}

TEST_F(Hold, ClicksAndScrollsCancelToo) {
    for (auto type : {EventType::leftMouseDown, EventType::rightMouseDown,
                      EventType::otherMouseDown, EventType::scrollWheel}) {
        flags(super);
        after(100ms);
        monitors.global({type, 0, super});
        after(5s);
        EXPECT_FALSE(panelVisible());
        flags(0);
    }
    // The program's own input counts as well.
    flags(super);
    EXPECT_TRUE(monitors.local({EventType::keyDown, 8, super})) << "never swallowed";
    after(5s);
    EXPECT_FALSE(panelVisible());
}

TEST_F(Hold, AnotherModifierRestartsAFullHoldWhenReleased) {
    flags(super);
    after(1500ms);
    flags(super | shift);
    after(1s);
    EXPECT_FALSE(panelVisible());
    flags(super);  // Shift released, Super still down
    after(1999ms);
    EXPECT_FALSE(panelVisible());
    after(1ms);
    EXPECT_TRUE(panelVisible());
}

TEST_F(Hold, TheChosenHoldKeyAloneTriggersAndTheOthersBreakIt) {
    const std::pair<HoldKey, Flag> keys[] = {{HoldKey::control, ModifierFlag::control},
                                             {HoldKey::alt, ModifierFlag::option},
                                             {HoldKey::super, super}};
    for (const auto& [key, bit] : keys) {
        SCOPED_TRACE(rawValue(key).toStdString());
        Preferences(store).setHoldKey(key);
        for (Flag other : {Flag{super}, Flag{ModifierFlag::control}, Flag{ModifierFlag::option}}) {
            if (other != bit) {
                flags(other);  // another key alone is no trigger
                after(3s);
                EXPECT_FALSE(panelVisible());
                flags(0);
            }
        }
        flags(bit);
        after(1s);
        flags(bit | shift);  // counted modifiers still break the state
        after(3s);
        EXPECT_FALSE(panelVisible());
        flags(bit);
        after(2s);
        EXPECT_TRUE(panelVisible());
        flags(0);
        flags(bit);  // and its tap closes
        flags(0);
        after(140ms);
        EXPECT_FALSE(panelVisible());
    }
}

TEST_F(Hold, CapsLockAndNumLockDoNotCount) {
    flags(super | ModifierFlag::capsLock | ModifierFlag::numericPad);
    after(2s);
    EXPECT_TRUE(panelVisible());
}

TEST_F(Hold, TapClosesAnOpenPanelWhenCloseOnReleaseIsOff) {
    controller.show();
    flags(super);
    EXPECT_TRUE(monitor.tapClosePending());
    EXPECT_FALSE(monitor.holding());
    after(5s);
    EXPECT_TRUE(panelVisible()) << "holding while open never toggles";
    flags(0);
    after(140ms);
    EXPECT_FALSE(panelVisible());

    // A click between press and release cancels the close.
    controller.show();
    flags(super);
    monitors.global({EventType::leftMouseDown, 0, super});  // it also closes: clicks elsewhere do
    controller.show();
    flags(0);
    after(1s);
    EXPECT_TRUE(panelVisible());
}

TEST_F(Hold, CloseOnReleaseClosesUnlessTyping) {
    Preferences(store).setCloseOnRelease(true);
    flags(super);
    after(2s);
    ASSERT_TRUE(panelVisible());
    window->editing = true;
    flags(0);
    after(1s);
    EXPECT_TRUE(panelVisible());
    window->editing = false;
    flags(shift);  // any modifier change without Super goes to commandReleased
    after(1s);
    EXPECT_FALSE(panelVisible());

    // Open from elsewhere: with closeOnRelease on, a full hold closes it.
    controller.show();
    flags(super);
    after(2s);
    after(140ms);
    EXPECT_FALSE(panelVisible());
}

TEST_F(Hold, ExcludedApplicationsAndMissingPermissionDoNothing) {
    Preferences(store).setExcludedApps(QStringList{"org.example.Other", "org.example.Editor"});
    flags(super);
    after(2s);
    EXPECT_FALSE(panelVisible());
    flags(0);
    Preferences(store).setExcludedApps(QStringList{"org.example.editor"});  // case counts
    flags(super);
    after(2s);
    EXPECT_TRUE(panelVisible());
    flags(0);
    controller.hide();
    after(1s);

    ax.trusted = false;
    flags(super);
    after(10s);
    EXPECT_FALSE(panelVisible());
}

// An application chosen from the installed ones is stored by its launcher entry's id or
// the window class that entry names; either names the running application.
TEST_F(Hold, AnApplicationIsExcludedByItsIdOrItsWindowClass) {
    RunningApplication front = editor;
    front.windowClasses = {"editor", "Editor"};
    workspace.front = front;
    const std::pair<QStringList, bool> table[] = {
        {{"org.example.Editor"}, false},
        {{"editor"}, false},
        {{"Editor"}, false},
        {{"EDITOR", "org.example"}, true},  // exact names only
        {{""}, true},
    };
    for (const auto& [excluded, opens] : table) {
        SCOPED_TRACE(excluded.join(',').toStdString());
        Preferences(store).setExcludedApps(excluded);
        flags(super);
        after(2s);
        EXPECT_EQ(panelVisible(), opens);
        flags(0);
        controller.hide();
        after(1s);
    }
    // A window without an id or a class is never taken for an excluded one.
    workspace.front = RunningApplication{editor.pid, "", "Editor", QImage(), 1, {}};
    Preferences(store).setExcludedApps(QStringList{""});
    flags(super);
    after(2s);
    EXPECT_TRUE(panelVisible());
}

TEST_F(Hold, DelayFollowsTheStoredLevelFromTheNextPress) {
    Preferences(store).setHoldLevel(0);
    flags(super);
    after(499ms);
    EXPECT_FALSE(panelVisible());
    Preferences(store).setHoldLevel(10);  // this hold keeps the delay it started with
    after(1ms);
    EXPECT_TRUE(panelVisible());
    flags(0);
    flags(super);  // a tap: closes
    flags(0);
    after(140ms);
    ASSERT_FALSE(panelVisible());

    flags(super);
    after(2999ms);
    EXPECT_FALSE(panelVisible());
    after(1ms);
    EXPECT_TRUE(panelVisible());
}

TEST_F(Hold, AHoldReadsTheSheetAheadAndOpensWithIt) {
    flags(super);
    after(299ms);
    EXPECT_EQ(ax.readCount(ax.menuBar(editor.pid), "AXChildren"), 0)
        << "a shortcut's Super reads nothing";
    after(1ms);
    EXPECT_EQ(ax.readCount(ax.menuBar(editor.pid), "AXChildren"), 1);
    after(1700ms);
    ASSERT_TRUE(panelVisible());
    EXPECT_FALSE(controller.model().isLoading()) << "the sheet is there as the panel opens";
    ASSERT_TRUE(controller.model().sheet());
    EXPECT_EQ(controller.model().sheet()->groups.at(0).title, "Editor Menu");
    after(1s);
    EXPECT_EQ(ax.readCount(ax.menuBar(editor.pid), "AXChildren"), 1) << "read once";
}

TEST_F(Hold, ASwitchOfApplicationDuringTheHoldReadsTheNewOne) {
    flags(super);
    after(1s);
    workspace.front = viewer;
    after(1s);
    ASSERT_TRUE(panelVisible());
    EXPECT_EQ(controller.model().targetPID, viewer.pid);
    scheduler.runUntilIdle();
    EXPECT_EQ(controller.model().sheet()->groups.at(0).title, "Viewer Menu");
}

TEST_F(Hold, AReadOfAnEarlierHoldIsNeverUsed) {
    flags(super);
    after(500ms);
    key();  // a shortcut after all: the read is dropped
    flags(0);
    ax.menuBar(editor.pid).menu("Later").item("Reload").key("r");
    flags(super);
    after(2s);
    ASSERT_TRUE(panelVisible());
    ASSERT_TRUE(controller.model().sheet());
    EXPECT_EQ(controller.model().sheet()->groups.size(), 2u) << "read again, in this hold";
    EXPECT_EQ(ax.readCount(ax.menuBar(editor.pid), "AXChildren"), 2);
}

TEST_F(Hold, NoReadAheadForAnExcludedApplicationOrWithoutPermission) {
    Preferences(store).setExcludedApps(QStringList{editor.applicationId});
    flags(super);
    after(3s);
    flags(0);
    ax.trusted = false;
    flags(super);
    after(3s);
    flags(0);
    EXPECT_EQ(ax.readCount(ax.menuBar(editor.pid), "AXChildren"), 0);
    EXPECT_FALSE(panelVisible());
}

TEST_F(Hold, StartTwiceInstallsOneSetAndStopClearsEverything) {
    monitor.start();
    EXPECT_EQ(monitor.monitorCount(), 4u);
    EXPECT_EQ(monitors.count(), 4);
    flags(super);
    monitor.stop();
    EXPECT_EQ(monitors.count(), 0);
    EXPECT_FALSE(monitor.commandDown());
    after(5s);
    EXPECT_FALSE(panelVisible());

    monitors.refuse = true;
    monitor.start();
    EXPECT_EQ(monitor.monitorCount(), 0u);
}

}  // namespace
}  // namespace holdsheet
