#include "E2eSupport.h"

#include "app/ExitStatus.h"
#include "platform/x11/ActiveWindow.h"

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

class ShellOverAnApp : public OverOneMenuApp {};

// A second launch brings the settings window to the front over the application the user
// works in, every time: when it is first built, when it lies behind that application, when
// it is minimised and when it was closed (Qt makes a new X window then).
TEST_F(ShellOverAnApp, ASecondLaunchBringsTheSettingsToTheFrontAndExitsZero) {
    EXPECT_TRUE(openWindows().isEmpty()) << "onboarded: no window at launch";
    const struct {
        const char* before;
        QStringList gesture;  // on the settings window in front, before the app takes over
    } launches[] = {{"new", {}},
                    {"behind the app", {}},
                    {"minimised", {"getactivewindow", "windowminimize"}},
                    {"closed", {"key", "alt+F4"}}};
    QString first;
    for (const auto& launch : launches) {
        SCOPED_TRACE(launch.before);
        if (!launch.gesture.isEmpty()) {
            xdotool(launch.gesture);
            ASSERT_TRUE(waitUntil([&] { return activeWindowPid() != holdsheet->pid(); }));
        }
        if (!first.isEmpty()) {
            ASSERT_TRUE(activate(app.pid()));
            // The user works in it: its last user time is later than any the program saw.
            xdotool({"key", "shift"});
        }
        const HoldsheetRun second = runHoldsheet({});
        EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
        EXPECT_TRUE(second.err.contains("already running")) << second.err.toStdString();
        EXPECT_TRUE(waitUntil([&] { return activeWindowPid() == holdsheet->pid(); }));
        EXPECT_EQ(activeWindowTitle(), "Holdsheet Settings");
        EXPECT_EQ(openWindows(), QStringList{"settings"});
        const QString window = windowOf(holdsheet->pid(), "Holdsheet Settings");
        EXPECT_TRUE(first.isEmpty() || window == first || launch.gesture.contains("alt+F4"));
        first = first.isEmpty() ? window : first;
    }
    screenshot("settings-window-over-app.png");
}

// A first launch, with accessibility on or off: the window it opens. Whatever happens, the
// tests after these find accessibility on.
class FirstLaunch : public ::testing::Test {
  protected:
    void TearDown() override { setAccessibilityEnabled(true); }
    void launch(bool accessibility, const QString& window) {
        ASSERT_TRUE(setAccessibilityEnabled(accessibility));
        holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, firstLaunch);
        ASSERT_TRUE(waitUntil([&] { return openWindows() == QStringList{window}; }, 30s))
            << openWindows().join(',').toStdString();
    }
    // With the tour in front: Escape closes it, and the next launch opens no window.
    void closeTheTourForGood() {
        ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == holdsheet->pid(); }));
        screenshot("tour-window-desktop.png");
        xdotool({"key", "Escape"});
        EXPECT_TRUE(waitUntil([] { return openWindows().isEmpty(); }));
        EXPECT_EQ(holdsheet->terminate(), std::optional<int>(0));

        holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, firstLaunch);
        ASSERT_TRUE(holdsheetAnswers());
        EXPECT_TRUE(openWindows().isEmpty()) << "onboarded once the tour closed";
    }

    QTemporaryDir config;
    const QProcessEnvironment firstLaunch =
        withConfigFile(config.path(), "Holdsheet/Holdsheet.conf", "");
    std::optional<RunningApp> holdsheet;
};

// Launched for the first time with accessibility on: the tour, which Escape closes for good.
TEST_F(FirstLaunch, WithAccessibilityOnOpensTheTour) {
    launch(true, "tour");
    closeTheTourForGood();
}

// Accessibility switched on by something else than the program (the desktop's settings)
// while the welcome window waits: the program hears of it and the tour takes over.
TEST_F(FirstLaunch, AccessibilitySwitchedOnElsewhereHandsTheWelcomeWindowToTheTour) {
    launch(false, "welcome");
    ASSERT_TRUE(setAccessibilityEnabled(true));
    EXPECT_TRUE(waitUntil([] { return openWindows() == QStringList{"tour"}; }))
        << openWindows().join(',').toStdString();
    EXPECT_EQ(holdsheet->terminate(), std::optional<int>(0));
}

// Launched for the first time with accessibility off: the welcome window. Its button asks,
// and once the user confirms, accessibility comes on and the tour takes over from the
// welcome window by itself. Escape closes the tour, and the next launch opens nothing.
TEST_F(FirstLaunch, TheWelcomeWindowSwitchesAccessibilityOnAndTheTourTakesOver) {
    launch(false, "welcome");
    ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == holdsheet->pid(); }));
    EXPECT_EQ(activeWindowTitle(), "Welcome to Holdsheet");
    screenshot("welcome-window-desktop.png");

    // Return presses the grant button, the welcome window's default; the question comes up
    // with "Not Now" chosen, so Tab moves to "Turn On".
    xdotool({"key", "Return"});
    ASSERT_TRUE(waitUntil([] { return activeWindowTitle() == "Holdsheet"; }))
        << "no question; active: " << activeWindowTitle().toStdString();
    EXPECT_EQ(activeWindowPid(), holdsheet->pid());
    screenshot("welcome-question.png");
    xdotool({"key", "Tab"});
    xdotool({"key", "Return"});
    const auto confirmed = Clock::now();
    ASSERT_TRUE(waitUntil([] { return openWindows() == QStringList{"tour"}; }))
        << openWindows().join(',').toStdString();
    std::printf("[measure] accessibility confirmed -> tour shown: %lld ms\n", msSince(confirmed));
    closeTheTourForGood();
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
    EXPECT_TRUE(panelVisible());

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
