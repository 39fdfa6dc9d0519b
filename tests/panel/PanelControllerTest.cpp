#include "panel/PanelController.h"

#include "panel/PanelScript.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace std::chrono_literals;
using namespace holdsheet::testing;

class Controller : public ::testing::Test, public PanelScript {
  protected:
    // The model's writes, in order, as observers see them.
    Controller() {
        auto& m = controller.model();
        QObject::connect(&m, &SheetModel::appNameChanged, [this] { writes.push_back("appName"); });
        QObject::connect(&m, &SheetModel::appIconChanged, [this] { writes.push_back("appIcon"); });
        QObject::connect(&m, &SheetModel::sheetChanged, [this] { writes.push_back("sheet"); });
        QObject::connect(&m, &SheetModel::queryChanged, [this] { writes.push_back("query"); });
        QObject::connect(&m, &SheetModel::loadingChanged,
                         [this] { writes.push_back("isLoading"); });
        QObject::connect(&m, &SheetModel::contentHeightChanged,
                         [this] { writes.push_back("contentHeight"); });
    }

    std::vector<std::string> writes;
};

TEST(PanelController, WhatEachSequenceDoesToThePanel) {
    const std::pair<const char*, const char*> cases[] = {
        {"Escape closes and is swallowed, other keys pass",
         "show local open escape 140ms shut monitors=0"},
        {"a click of any button or a key elsewhere closes; the fade ends it",
         "show left alpha=0 open 139ms open 1ms shut show right alpha=0 open 140ms shut "
         "show other alpha=0 open 140ms shut show key alpha=0 open 140ms shut"},
        {"a scroll elsewhere leaves it", "show scroll open"},
        {"a showing during the fade keeps it", "show hide 70ms show 200ms open alpha=1"},
        {"activations of the target or itself keep it, of another close it",
         "show announce=editor announce=own 1s open announce=viewer 1s shut"},
        {"an activation of nothing known closes it", "show announce=none 1s shut"},
        {"the hold key's release closes only when asked, and not while typing",
         "show released 1s open closeOnRelease typing released 1s open typed released 1s shut"},
        {"a showing from the hold takes the read ahead even while it runs",
         "prefetch fromHold loading idle loaded title=Editor_Menu reads=1"},
        {"a show from the bus never takes a read ahead, and drops it: the hold's reads anew too",
         "prefetch idle rename=Renamed show loading idle title=Renamed hide rename=Again fromHold "
         "idle title=Again"},
        {"watchers are installed once and removed on hide",
         "show show monitors=3 observers=1 hide monitors=0 observers=0"},
        {"refused monitors are simply missing", "refuse show open monitors=0 observers=1"},
        {"never targets itself or nothing", "front=none show front=own show made=0 target=none"},
        {"the content's height moves the panel once it settles for 30 ms, not under one point",
         "show idle mark height=400 10ms height=500 10ms height=600 29ms frames=0 1ms frames=1 "
         "moved=718 height=600.5 50ms frames=1"},
        {"hiding a hidden panel changes nothing",
         "hide show idle hide 1s mark hide 1s frames=0 loaded"},
    };
    for (const auto& [name, script] : cases) {
        SCOPED_TRACE(name);
        PanelScript().play(script);
    }
}

// Until the application's name is known the panel carries the program's own.
TEST_F(Controller, TheNameShownFallsBackToTheProgramsOwn) {
    SheetModel model(
        [](const QString& key) { return key == "app.name" ? QString("Holdsheet") : key; });
    EXPECT_EQ(model.displayName(), "Holdsheet");
    model.setAppName("Editor");
    EXPECT_EQ(model.displayName(), "Editor");
}

TEST_F(Controller, ShowResetsTheModelInOrderThenLoads) {
    controller.model().setQuery("stale");
    writes.clear();
    controller.show();
    EXPECT_EQ(writes, (std::vector<std::string>{"appName", "appIcon", "sheet", "query", "isLoading",
                                                "contentHeight"}));
    EXPECT_EQ(controller.model().targetPID, editor.pid);
    EXPECT_TRUE(controller.model().isLoading());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->visible);
    EXPECT_EQ(window->currentAlpha, 1.0);

    controller.model().setQuery("op");  // typing while loading keeps the text
    writes.clear();
    scheduler.runUntilIdle();
    EXPECT_EQ(writes, (std::vector<std::string>{"sheet", "isLoading"}));
    EXPECT_EQ(title(), "Editor Menu");
    EXPECT_FALSE(controller.model().isLoading());
    EXPECT_EQ(controller.model().query(), "op");
}

TEST_F(Controller, OnlyTheLatestLoadIsStoredAndAClosedOneStoresNothing) {
    controller.show();
    workspace.front = viewer;
    controller.show();  // the first load is still in flight
    writes.clear();
    scheduler.runUntilIdle();
    EXPECT_EQ(writes, (std::vector<std::string>{"sheet", "isLoading"}));  // once
    EXPECT_EQ(title(), "Viewer Menu");
    EXPECT_EQ(panelsMade, 1);

    controller.show();
    controller.hide();
    writes.clear();
    scheduler.advance(1s);
    EXPECT_EQ(writes, std::vector<std::string>{});
    EXPECT_TRUE(controller.model().isLoading());
}

TEST_F(Controller, SizesThePanelOnTheScreenUnderThePointerElseTheMainOne) {
    struct Case {
        double visibleWidth, visibleHeight, contentHeight;
        double width, height;
    };
    const Case cases[] = {
        {1000, 1000, 50, 880, 260},   {2560, 1400, 160, 1240, 278}, {800, 1000, 160, 720, 278},
        {1920, 900, 1000, 1240, 780}, {1920, 300, 160, 1240, 180},
    };
    for (const auto& c : cases) {
        screens.list = {{QRectF(0, 0, c.visibleWidth, c.visibleHeight + 40),
                         QRectF(0, 40, c.visibleWidth, c.visibleHeight)}};
        controller.show();
        controller.model().setContentHeight(c.contentHeight);
        scheduler.advance(30ms);
        EXPECT_EQ(window->lastFrame.width(), c.width) << c.visibleWidth;
        EXPECT_EQ(window->lastFrame.height(), c.height)
            << c.visibleHeight << " " << c.contentHeight;
        // Centred horizontally and 20 points above the vertical centre.
        EXPECT_EQ(window->lastFrame.center().x(), c.visibleWidth / 2);
        EXPECT_EQ(window->lastFrame.center().y(), 40 + c.visibleHeight / 2 - 20);
        controller.hide();
        scheduler.advance(1s);
    }
    // Of two screens, the one under the pointer, else the main one.
    screens.list = {{QRectF(0, 0, 1000, 800), QRectF(0, 0, 1000, 800)},
                    {QRectF(1000, 0, 2000, 1200), QRectF(1000, 0, 2000, 1200)}};
    screens.at = QPointF(1500, 100);
    controller.show();
    EXPECT_EQ(controller.panelWidth(), 1240);
    screens.at = QPointF(-50, -50);
    screens.main = 0;
    controller.show();
    EXPECT_EQ(controller.panelWidth(), 880);
}

TEST_F(Controller, MakesThePanelKeyOnTheNextTurnAndTearsDown) {
    controller.show();
    window->key = false;
    scheduler.runUntilIdle();
    EXPECT_TRUE(window->key);
    controller.tearDown();
    EXPECT_EQ(controller.panel(), nullptr);
    EXPECT_EQ(monitors.count(), 0);
    scheduler.advance(1s);  // a load in flight after tear-down stores nothing, touches nothing
}

}  // namespace
}  // namespace holdsheet
