#include "E2eSupport.h"

#include "app/ExitStatus.h"
#include "platform/linux/ActiveWindow.h"

#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

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

class ShellOverAnApp : public OverOneMenuApp {};

TEST_F(ShellOverAnApp, ASecondLaunchBringsTheSettingsToTheFrontAndExitsZero) {
    EXPECT_TRUE(openWindows().isEmpty()) << "onboarded: no window at launch";

    for (int launch = 0; launch < 2; ++launch) {  // once new, once from behind the app
        const HoldsheetRun second = runHoldsheet({});
        EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
        EXPECT_TRUE(waitUntil([&] { return activeWindowPid() == holdsheet->pid(); }, 20s));
        EXPECT_EQ(activeWindowName(), "Holdsheet Settings");
        EXPECT_EQ(openWindows(), QStringList{"settings"});
        ASSERT_TRUE(activate(app.pid()));
    }
}

// With the tour in front: Escape closes it, and the next launch opens no window.
void closeTheTourForGood(std::optional<RunningApp>& holdsheet,
                         const QProcessEnvironment& environment) {
    ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == holdsheet->pid(); }, 20s));
    screenshot("tour-window-desktop.png");
    xdotool({"key", "Escape"});
    EXPECT_TRUE(waitUntil([] { return openWindows().isEmpty(); }, 20s));
    EXPECT_EQ(holdsheet->terminate(), std::optional<int>(0));

    holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, environment);
    ASSERT_TRUE(holdsheetAnswers());
    EXPECT_TRUE(openWindows().isEmpty()) << "onboarded once the tour closed";
}

// Launched for the first time with accessibility on: the tour, which Escape closes for good.
TEST(Shell, AFirstLaunchWithAccessibilityOnOpensTheTour) {
    QTemporaryDir config;
    const auto firstLaunch = withConfigFile(config.path(), "Holdsheet/Holdsheet.conf", "");
    ASSERT_TRUE(setAccessibilityEnabled(true));

    std::optional<RunningApp> holdsheet;
    holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, firstLaunch);
    ASSERT_TRUE(waitUntil([] { return openWindows() == QStringList{"tour"}; }, 30s))
        << openWindows().join(',').toStdString();
    closeTheTourForGood(holdsheet, firstLaunch);
}

// Accessibility switched on by something else than the program (the desktop's settings)
// while the welcome window waits: the program hears of it and the tour takes over.
TEST(Shell, AccessibilitySwitchedOnElsewhereHandsTheWelcomeWindowToTheTour) {
    QTemporaryDir config;
    const auto firstLaunch = withConfigFile(config.path(), "Holdsheet/Holdsheet.conf", "");
    ASSERT_TRUE(setAccessibilityEnabled(false));
    const std::shared_ptr<void> restore(nullptr, [](void*) { setAccessibilityEnabled(true); });

    std::optional<RunningApp> holdsheet;
    holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, firstLaunch);
    ASSERT_TRUE(waitUntil([] { return openWindows() == QStringList{"welcome"}; }, 30s))
        << openWindows().join(',').toStdString();
    ASSERT_TRUE(setAccessibilityEnabled(true));
    EXPECT_TRUE(waitUntil([] { return openWindows() == QStringList{"tour"}; }, 20s))
        << openWindows().join(',').toStdString();
    EXPECT_EQ(holdsheet->terminate(), std::optional<int>(0));
}

// Launched for the first time with accessibility off: the welcome window. Its button asks,
// and once the user confirms, accessibility comes on and the tour takes over from the
// welcome window by itself. Escape closes the tour, and the next launch opens nothing.
TEST(Shell, TheWelcomeWindowSwitchesAccessibilityOnAndTheTourTakesOver) {
    QTemporaryDir config;
    const auto firstLaunch = withConfigFile(config.path(), "Holdsheet/Holdsheet.conf", "");
    ASSERT_TRUE(setAccessibilityEnabled(false));
    // Whatever happens below, the tests after this one find accessibility on.
    const std::shared_ptr<void> restore(nullptr, [](void*) { setAccessibilityEnabled(true); });

    std::optional<RunningApp> holdsheet;
    holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, firstLaunch);
    ASSERT_TRUE(waitUntil([] { return openWindows() == QStringList{"welcome"}; }, 30s))
        << openWindows().join(',').toStdString();
    ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == holdsheet->pid(); }, 20s));
    EXPECT_EQ(activeWindowName(), "Welcome to Holdsheet");
    screenshot("welcome-window-desktop.png");

    // Return presses the grant button, the welcome window's default; the question comes up
    // with "Not Now" chosen, so Tab moves to "Turn On".
    runTool("xdotool", {"key", "Return"});
    ASSERT_TRUE(waitUntil([] { return activeWindowName() == "Holdsheet"; }, 20s))
        << "no question; active: " << activeWindowName().toStdString();
    EXPECT_EQ(activeWindowPid(), holdsheet->pid());
    screenshot("welcome-question.png");
    runTool("xdotool", {"key", "Tab"});
    runTool("xdotool", {"key", "Return"});
    const auto confirmed = std::chrono::steady_clock::now();
    ASSERT_TRUE(waitUntil([] { return openWindows() == QStringList{"tour"}; }, 20s))
        << openWindows().join(',').toStdString();
    const auto tookMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - confirmed)
                            .count();
    std::printf("[measure] accessibility confirmed -> tour shown: %lld ms\n",
                static_cast<long long>(tookMs));

    closeTheTourForGood(holdsheet, firstLaunch);
}

// `show` from many processes at once: each says whether the program answered; it is "not
// running" only when no program holds the name.
TEST_F(ShellOverAnApp, ParallelShowsSayTrulyWhetherTheProgramAnswered) {
    // Exit statuses of `holdsheet show` run `count` times at once, -1 for one that did not end.
    auto showAtOnce = [](int count) {
        std::vector<std::unique_ptr<RunningApp>> shows;
        for (int i = 0; i < count; ++i) {
            shows.push_back(std::make_unique<RunningApp>(QStringList{HOLDSHEET_BINARY, "show"}));
        }
        std::map<int, int> statuses;
        for (auto& show : shows) {
            ++statuses[show->waitForExit(120s).value_or(-1)];
        }
        return statuses;
    };
    auto describe = [](const std::map<int, int>& statuses) {
        std::string text;
        for (const auto& [status, count] : statuses) {
            text += std::to_string(count) + " exited " + std::to_string(status) + "; ";
        }
        return text;
    };

    auto running = showAtOnce(100);
    std::printf("[measure] 100 parallel shows: %s\n", describe(running).c_str());
    EXPECT_GT(running[0], 0) << describe(running);
    EXPECT_EQ(running[0] + running[exitNotResponding], 100) << describe(running);
    EXPECT_TRUE(panelStatus().value("visible").toBool());

    // Stopped, it holds the name and answers nothing.
    ASSERT_EQ(::kill(holdsheet->pid(), SIGSTOP), 0);
    const auto stopped = showAtOnce(10);
    ::kill(holdsheet->pid(), SIGCONT);
    EXPECT_EQ(stopped, (std::map<int, int>{{exitNotResponding, 10}})) << describe(stopped);

    EXPECT_EQ(holdsheet->terminate(), std::optional<int>(0));
    holdsheet.reset();
    const HoldsheetRun gone = runHoldsheet({"show"});
    EXPECT_EQ(gone.exitCode, exitNotRunning) << gone.err.toStdString();
}

}  // namespace
}  // namespace holdsheet::e2e
