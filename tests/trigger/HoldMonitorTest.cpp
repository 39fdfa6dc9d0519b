#include "trigger/HoldMonitor.h"

#include "panel/PanelScript.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

struct Hold : PanelScript {
    Hold() : monitor({monitors, scheduler, store, ax, workspace, controller}) {
        monitor.start();
        steps["holding"] = [this](auto) { EXPECT_TRUE(monitor.holding()); };
        steps["!holding"] = [this](auto) { EXPECT_FALSE(monitor.holding()); };
        steps["down"] = [this](auto) { EXPECT_TRUE(monitor.commandDown()); };
        steps["tapping"] = [this](auto) { EXPECT_TRUE(monitor.tapClosePending()); };
    }

    HoldMonitor monitor;
};

// In the scripts of PanelScript, and "holding", "!holding": a hold is under way, or not;
// "down": the monitor takes the hold key as down; "tapping": a tap would close the panel.
TEST(HoldMonitor, WhatEachSequenceOfInputDoesToThePanel) {
    const std::pair<const char*, const char*> cases[] = {
        {"held alone past the delay it opens, and stays when released",
         "super 1999ms shut 1ms open target=editor up 1s open"},
        {"released before the delay, nothing", "super 1s up 5s shut !holding"},
        {"a shortcut with Super cancels for as long as Super stays down",
         "super 500ms key 10s shut down super 10s shut"},
        {"a click of any button or a scroll cancels",
         "super 100ms left 5s shut up super 100ms right 5s shut up super 100ms other 5s shut up "
         "super 100ms scroll 5s shut"},
        {"the program's own key cancels", "super local 5s shut"},
        {"another modifier restarts a full hold once released",
         "super 1500ms super+shift 1s shut super 1999ms shut 1ms open"},
        {"Caps Lock and Num Lock do not count", "super+caps+num 2s open"},
        {"Control as the hold key: the others are no trigger, Shift breaks it, a tap closes",
         "hold=control super 3s shut up alt 3s shut up control 1s control+shift 3s shut "
         "control 2s open up control up 140ms shut"},
        {"Alt as the hold key",
         "hold=alt super 3s shut up control 3s shut up alt 1s alt+shift 3s shut "
         "alt 2s open up alt up 140ms shut"},
        {"Super as the hold key, chosen again",
         "hold=alt hold=super alt 3s shut up control 3s shut up super 1s super+shift 3s shut "
         "super 2s open up super up 140ms shut"},
        {"a tap closes an open panel; holding it while open never toggles",
         "show super tapping !holding 5s open up 140ms shut"},
        {"a click between press and release cancels the tap's close",
         "show super left show up 1s open"},
        {"with close on release, releasing closes unless typing",
         "closeOnRelease super 2s open typing up 1s open typed shift 1s shut"},
        {"with close on release, a full hold closes a panel opened elsewhere",
         "closeOnRelease show super 2140ms shut"},
        {"an excluded application: nothing, and nothing read",
         "exclude=org.example.Other,org.example.Editor super 3s shut reads=0"},
        {"exclusion is by exact id", "exclude=org.example.editor super 2s open"},
        {"without the permission: nothing, and nothing read", "untrusted super 10s shut reads=0"},
        {"excluded by either of its window classes",
         "classes=editor,Editor exclude=editor super 2s shut up exclude=Editor super 2s shut"},
        {"excluded by id with classes", "classes=editor exclude=org.example.Editor super 2s shut"},
        {"classes by exact names only",
         "classes=editor,Editor exclude=EDITOR,org.example super 2s open"},
        {"an empty exclusion excludes nothing", "classes=editor exclude= super 2s open"},
        {"a window without an id or a class is never taken for an excluded one",
         "anonymous exclude= super 2s open"},
        {"the delay follows the stored level from the next press",
         "level=0 super 499ms shut level=10 1ms open up super up 140ms shut "
         "super 2999ms shut 1ms open"},
        {"a hold reads the sheet ahead, once, and opens with it",
         "super 299ms reads=0 1ms reads=1 1700ms open loaded title=Editor_Menu 1s reads=1"},
        {"a read of an earlier hold, ended by a shortcut, is never used: this one reads again",
         "super 500ms key up rename=Later super 2s open reads=2 title=Later"},
        {"a switch of application during the hold reads the new one",
         "super 1s front=viewer 1s open target=viewer idle title=Viewer_Menu"},
    };
    for (const auto& [name, script] : cases) {
        SCOPED_TRACE(name);
        Hold().play(script);
    }
}

class HoldTest : public ::testing::Test, public Hold {};

TEST_F(HoldTest, StartTwiceInstallsOneSetAndStopClearsEverything) {
    monitor.start();
    EXPECT_EQ(monitor.monitorCount(), 4u);
    EXPECT_EQ(monitors.count(), 4);
    play("super");
    monitor.stop();
    EXPECT_EQ(monitors.count(), 0);
    EXPECT_FALSE(monitor.commandDown());
    play("5s shut");

    monitors.refuse = true;
    monitor.start();
    EXPECT_EQ(monitor.monitorCount(), 0u);
}

}  // namespace
}  // namespace holdsheet
