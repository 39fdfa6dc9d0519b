#include "app/SettingsWindowController.h"
#include "app/TourWindowController.h"
#include "app/WelcomeWindowController.h"
#include "app/WindowHarness.h"

#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace holdsheet {
namespace {

using testing::WindowHarness;

QPushButton* button(const QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

// Closed by the window manager it is not done; Done records onboarding. Either way the
// window is kept for the next showing.
TEST(WelcomeWindowController, OnlyDoneRecordsOnboardingAndTheWindowIsKept) {
    WindowHarness platform;
    WelcomeWindowController welcome(platform.platform(), platform.permission, platform.extension,
                                    {});
    welcome.show();
    QWidget* window = welcome.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WindowHarness::centred(*window));
    window->close();
    EXPECT_FALSE(Preferences(platform.store).hasOnboarded());

    welcome.show();
    EXPECT_EQ(welcome.window(), window);
    EXPECT_TRUE(window->isVisible());
    button(window, "done")->click();
    EXPECT_TRUE(Preferences(platform.store).hasOnboarded());
    EXPECT_FALSE(window->isVisible());
}

// The settings window opens after the welcome window has closed and onboarding is recorded,
// so it is the one left in front.
TEST(WelcomeWindowController, OpenSettingsFinishesThenShowsTheSettings) {
    WindowHarness platform;
    bool closedFirst = false;
    WelcomeWindowController welcome(
        platform.platform(), platform.permission, platform.extension, [&] {
            closedFirst =
                !welcome.window()->isVisible() && Preferences(platform.store).hasOnboarded();
        });
    welcome.show();
    button(welcome.window(), "openSettings")->click();
    EXPECT_TRUE(closedFirst);
    EXPECT_FALSE(welcome.window()->isVisible());
}

// Round corners: see-through under a compositing manager, else cut out of the window, where
// translucency would show black.
TEST(TourWindowController, RoundCornersSeeThroughOrCutOut) {
    for (const bool compositing : {false, true}) {
        WindowHarness platform;
        TourWindowController tour(platform.platform(), compositing, {});
        tour.show();
        EXPECT_EQ(tour.window()->testAttribute(Qt::WA_TranslucentBackground), compositing);
        const QRegion mask = tour.window()->mask();
        if (compositing) {
            EXPECT_TRUE(mask.isEmpty());
            continue;
        }
        const QRect all = tour.window()->rect();
        EXPECT_TRUE(mask.contains(all.center()));
        for (const QPoint corner :
             {all.topLeft(), all.topRight(), all.bottomLeft(), all.bottomRight()}) {
            EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
        }
        EXPECT_TRUE(mask.contains(QPoint(all.center().x(), 0))) << "edges stay whole";
        EXPECT_TRUE(mask.contains(QPoint(0, all.center().y())));
    }
}

TEST(TourWindowController, EveryWayOfClosingRecordsOnboardingAndDropsTheWindow) {
    const std::pair<const char*, std::function<void(QWidget&)>> ways[] = {
        {"Escape on a button",
         [](QWidget& w) { QTest::keyClick(button(&w, "done"), Qt::Key_Escape); }},
        {"Escape on the window", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        {"Return", [](QWidget& w) { QTest::keyClick(button(&w, "settings"), Qt::Key_Return); }},
        {"done", [](QWidget& w) { button(&w, "done")->click(); }},
        {"settings", [](QWidget& w) { button(&w, "settings")->click(); }},
        {"window manager", [](QWidget& w) { w.close(); }},
    };
    for (const auto& [name, closeIt] : ways) {
        WindowHarness platform;
        int settingsShown = 0;
        TourWindowController tour(platform.platform(), false, [&] { ++settingsShown; });
        tour.show();
        QPointer<QWidget> window = tour.window();
        ASSERT_NE(window, nullptr) << name;

        closeIt(*window);
        EXPECT_TRUE(Preferences(platform.store).hasOnboarded()) << name;
        EXPECT_EQ(tour.window(), nullptr) << name;
        EXPECT_EQ(settingsShown, std::string(name) == "settings" ? 1 : 0) << name;
        WindowHarness::settle();
        EXPECT_TRUE(window.isNull()) << name << ": the closed tour is released";
    }
}

TEST(TourWindowController, EveryShowingAfterACloseBuildsAFreshCentredFloatingWindowThatADragMoves) {
    WindowHarness platform;
    TourWindowController tour(platform.platform(), false, {});
    for (int showing = 0; showing < 2; ++showing) {
        tour.show();
        QWidget* window = tour.window();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->size(), QSize(780, 580));
        EXPECT_TRUE(WindowHarness::centred(*window));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // Shown again while open: the same window.
        tour.show();
        EXPECT_EQ(tour.window(), window);

        // Dragging the background moves the window until released.
        const QPoint start = window->pos();
        auto send = [&](QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
            QMouseEvent event(type, QPointF(local), QPointF(start + local),
                              type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                              Qt::NoModifier);
            QApplication::sendEvent(window, &event);
        };
        send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
        send(QEvent::MouseMove, {60, 40}, Qt::LeftButton);
        EXPECT_EQ(window->pos(), start + QPoint(50, 30));
        send(QEvent::MouseButtonRelease, {60, 40}, Qt::NoButton);
        send(QEvent::MouseMove, {90, 90}, Qt::NoButton);
        EXPECT_EQ(window->pos(), start + QPoint(50, 30)) << "released: no longer follows";
        window->close();
        WindowHarness::settle();
    }
}

TEST(TourWindowController, TheSettingsButtonOpensSettingsBeforeTheTourCloses) {
    WindowHarness platform;
    SettingsWindowController settings(platform.platform(), {});
    bool tourOpenWhenSettingsShown = false;
    TourWindowController tour(platform.platform(), false, [&] {
        tourOpenWhenSettingsShown = tour.window() && tour.window()->isVisible();
        settings.show();
    });
    tour.show();
    platform.scheduler.runUntilIdle();

    button(tour.window(), "settings")->click();
    platform.scheduler.runUntilIdle();
    EXPECT_TRUE(tourOpenWhenSettingsShown) << "settings first, then the tour closes";
    EXPECT_EQ(tour.window(), nullptr);
    ASSERT_NE(settings.window(), nullptr);
    EXPECT_TRUE(settings.window()->isVisible());
    WindowHarness::settle();
}

}  // namespace
}  // namespace holdsheet
