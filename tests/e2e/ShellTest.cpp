#include "E2eSupport.h"

#include "platform/linux/ActiveWindow.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// The program around the panel: a second launch, and the window a first launch opens.

namespace holdsheet::e2e {
namespace {

QStringList openWindows() {
    return panelStatus().value("windows").toStringList();
}

QString activeWindowName() {
    return runTool("xdotool", {"getactivewindow", "getwindowname"}).trimmed();
}

TEST(Shell, ASecondLaunchBringsTheSettingsToTheFrontAndExitsZero) {
    RunningApp app(Toolkit::gtk,
                   {{0, "menu", "_File", "", ""}, {1, "item", "_Open", "<Primary>o", "Ctrl+O"}});
    ASSERT_TRUE(app.waitUntilReadable());
    RunningApp holdsheet{QStringList{HOLDSHEET_BINARY}};
    ASSERT_TRUE(waitUntil([] { return !panelStatus().isEmpty(); }, 30s));
    ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == app.pid(); }, 20s));
    EXPECT_TRUE(openWindows().isEmpty()) << "onboarded: no window at launch";

    for (int launch = 0; launch < 2; ++launch) {  // once new, once from behind the app
        const HoldsheetRun second = runHoldsheet({});
        EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
        EXPECT_TRUE(waitUntil([&] { return activeWindowPid() == holdsheet.pid(); }, 20s));
        EXPECT_EQ(activeWindowName(), "Holdsheet Settings");
        EXPECT_EQ(openWindows(), QStringList{"settings"});
        runTool(
            "xdotool",
            {"windowactivate", "--sync",
             runTool("xdotool", {"search", "--onlyvisible", "--pid", QString::number(app.pid())})
                 .split('\n')
                 .value(0)});
        ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == app.pid(); }, 20s));
    }
}

// Launched for the first time: without accessibility the welcome window, with it the tour;
// Escape closes the tour for good.
TEST(Shell, AFirstLaunchOpensTheWelcomeWindowOrTheTour) {
    QTemporaryDir config;
    const auto firstLaunch = withConfigFile(config.path(), "Holdsheet/Holdsheet.conf", "");

    ASSERT_TRUE(setAccessibilityEnabled(false));
    std::optional<RunningApp> holdsheet;
    holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, firstLaunch);
    const bool welcomed = waitUntil([] { return openWindows() == QStringList{"welcome"}; }, 30s);
    holdsheet->terminate();
    ASSERT_TRUE(setAccessibilityEnabled(true));
    EXPECT_TRUE(welcomed) << openWindows().join(',').toStdString();

    holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, firstLaunch);
    ASSERT_TRUE(waitUntil([] { return openWindows() == QStringList{"tour"}; }, 30s))
        << openWindows().join(',').toStdString();
    ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == holdsheet->pid(); }, 20s));
    runTool("xdotool", {"key", "Escape"});
    EXPECT_TRUE(waitUntil([] { return openWindows().isEmpty(); }, 20s));
    EXPECT_EQ(holdsheet->terminate(), std::optional<int>(0));

    holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, firstLaunch);
    ASSERT_TRUE(waitUntil([] { return !panelStatus().isEmpty(); }, 30s));
    EXPECT_TRUE(openWindows().isEmpty()) << "onboarded once the tour closed";
}

}  // namespace
}  // namespace holdsheet::e2e
