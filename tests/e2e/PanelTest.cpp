#include "E2eSupport.h"

#include "platform/freedesktop/AtspiAccessibility.h"
#include "platform/x11/ActiveWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include <csignal>

namespace holdsheet::e2e {
namespace {

class Panel : public OverEditor {
  protected:
    void SetUp() override { start(); }
};

TEST_F(Panel, OpensOverTheAppInFrontTakesTypingAndClosesOnEscapeOrAClickElsewhere) {
    showPanel();
    EXPECT_EQ(panelStatus().value("targetPid").toInt(), editor.pid());
    EXPECT_GT(panelStatus().value("itemCount").toInt(), 30);
    EXPECT_EQ(activeWindowPid(), editor.pid()) << "the target stays the active window";

    xdotool({"type", "--delay", "20", "save"});
    EXPECT_TRUE(waitUntil([] { return panelStatus().value("query").toString() == "save"; }))
        << panelStatus().value("query").toString().toStdString();

    screenshot("panel-over-mousepad.png");

    xdotool({"key", "Escape"});
    EXPECT_TRUE(panelCloses());
    EXPECT_EQ(activeWindowPid(), editor.pid());

    showPanel();
    const QString window = windowOf(editor.pid());
    ASSERT_FALSE(window.isEmpty());
    xdotool({"mousemove", "--window", window, "3", "3", "click", "1"});
    EXPECT_TRUE(panelCloses()) << "a click on another application";
}

int visibleWindowsOf(qint64 pid) {
    return xdotool({"search", "--onlyvisible", "--pid", QString::number(pid)})
        .split('\n', Qt::SkipEmptyParts)
        .size();
}

TEST_F(Panel, FilteredRowsAreNamedOnTheBusAndAClickRunsTheCommand) {
    showPanel();
    const int windowsBefore = visibleWindowsOf(editor.pid());
    ASSERT_GE(windowsBefore, 1);
    const auto undo = waitForAccessible(holdsheet->pid(), "Undo, ");
    ASSERT_TRUE(undo);
    EXPECT_FALSE(undo->enabled) << "nothing to undo in a fresh editor";

    xdotool({"type", "--delay", "20", "window"});
    ASSERT_TRUE(waitUntil([] { return panelStatus().value("query").toString() == "window"; }));
    const auto row = waitForAccessible(holdsheet->pid(), "New Window, ");
    ASSERT_TRUE(row);
    EXPECT_TRUE(row->enabled);
    EXPECT_FALSE(findAccessible(holdsheet->pid(), "Undo, ").has_value()) << "filtered out";

    clickAt(row->frame.center());
    EXPECT_TRUE(panelCloses());
    EXPECT_TRUE(waitUntil([&] { return visibleWindowsOf(editor.pid()) > windowsBefore; }))
        << "no second editor window";
}

TEST_F(Panel, AScreenshotAtEveryTextSize) {
    std::vector<int> rowHeights;
    for (const QString size : {"small", "medium", "large"}) {
        SCOPED_TRACE(size.toStdString());
        ASSERT_EQ(holdsheet->terminate(), std::optional<int>(0));
        start(("textSize=" + size + "\n").toUtf8());
        showPanel();
        // Sized to the sheet: the measured height replaced the opening one.
        ASSERT_TRUE(
            waitUntil([] { return panelStatus().value("contentHeight").toDouble() != 160.0; }));
        const auto row = waitForAccessible(holdsheet->pid(), "New Window, ");
        ASSERT_TRUE(row);
        rowHeights.push_back(row->frame.height());
        screenshot("panel-" + size + ".png");
        EXPECT_EQ(runHoldsheet({"hide"}).exitCode, 0);
        ASSERT_TRUE(panelCloses());
    }
    ASSERT_EQ(rowHeights.size(), 3u);
    EXPECT_LT(rowHeights[0], rowHeights[1]);
    EXPECT_LT(rowHeights[1], rowHeights[2]);
}

// An application that stops answering: the panel shows what could be read (the desktop's
// group) and says so under the header.
class StoppedApplication : public OverOneMenuApp {};

TEST_F(StoppedApplication, ThePanelSaysItIsNotResponding) {
    ASSERT_EQ(::kill(app.pid(), SIGSTOP), 0);
    ASSERT_EQ(runHoldsheet({"show"}).exitCode, 0);
    const bool loaded = sheetLoaded();
    const QVariantMap status = panelStatus();
    screenshot("panel-not-responding.png");
    ::kill(app.pid(), SIGCONT);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(status.value("visible").toBool());
    EXPECT_EQ(status.value("targetPid").toInt(), app.pid());
    EXPECT_TRUE(status.value("notResponding").toBool());
    EXPECT_GT(status.value("itemCount").toInt(), 0) << "the desktop's group still shows";

    // Answering again, the next showing reads it whole.
    ASSERT_EQ(runHoldsheet({"show"}).exitCode, 0);
    ASSERT_TRUE(sheetLoaded());
    EXPECT_FALSE(panelStatus().value("notResponding").toBool());
}

// The accessibility bus's daemon stopped, before the program starts or while it runs: its
// main thread keeps answering (neither the trust check, nor our connecting, nor Qt's own
// accessibility bridge waits on the bus there), and once the daemon runs again the same
// program reads the menus; SIGTERM ends it even while the daemon is stopped.
class StoppedAccessibilityBus : public ::testing::TestWithParam<bool> {};

TEST_P(StoppedAccessibilityBus, TheProgramStaysResponsive) {
    const bool stoppedAtStart = GetParam();
    RunningApp editor{QStringList{"mousepad"}};
    ASSERT_TRUE(editor.waitUntilReadable());
    const pid_t daemon = accessibilityBusDaemon();
    ASSERT_GT(daemon, 0);
    const std::shared_ptr<void> continued(nullptr, [daemon](void*) { ::kill(daemon, SIGCONT); });
    if (stoppedAtStart) {
        ASSERT_EQ(::kill(daemon, SIGSTOP), 0);
    }
    const auto starting = Clock::now();
    RunningApp holdsheet{QStringList{HOLDSHEET_BINARY}};
    ASSERT_TRUE(holdsheetAnswers());
    const long long firstAnswer = msSince(starting);
    if (!stoppedAtStart) {
        AtspiAccessibility ax;
        ASSERT_TRUE(waitUntil([&] { return ax.hasApplication(holdsheet.pid()); }, 30s));
        ASSERT_EQ(::kill(daemon, SIGSTOP), 0);
    }
    // Several seconds of the one-second permission poll and of handshakes that time out,
    // each Status answer timed.
    long long longest = 0;
    for (int i = 0; i < 40; ++i) {
        const auto start = Clock::now();
        EXPECT_FALSE(panelStatus().isEmpty());
        longest = std::max(longest, msSince(start));
        waitUntil([] { return false; }, 100ms);
    }
    std::printf(
        "accessibility bus stopped %s: first Status answer %lld ms after the start, "
        "longest of 40 answers %lld ms\n",
        stoppedAtStart ? "at start" : "while running", firstAnswer, longest);
    EXPECT_LT(longest, 1000) << "the main thread waited on the bus";

    ASSERT_EQ(::kill(daemon, SIGCONT), 0);
    ASSERT_TRUE(activate(editor.pid()));
    ASSERT_EQ(runHoldsheet({"show"}).exitCode, 0);
    EXPECT_TRUE(panelOpens());
    EXPECT_TRUE(waitUntil([] { return panelStatus().value("itemCount").toInt() > 30; }, 30s))
        << "the sheet once the bus answers again";
    ASSERT_EQ(runHoldsheet({"hide"}).exitCode, 0);

    ASSERT_EQ(::kill(daemon, SIGSTOP), 0);
    EXPECT_EQ(holdsheet.terminate(10s), std::optional<int>(0)) << "SIGTERM ends it";
}

INSTANTIATE_TEST_SUITE_P(E2e, StoppedAccessibilityBus, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "AtStart" : "WhileRunning"; });

}  // namespace
}  // namespace holdsheet::e2e
