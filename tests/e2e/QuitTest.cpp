#include "E2eSupport.h"

#include "platform/linux/ActiveWindow.h"

#include <gtest/gtest.h>

#include <csignal>

// Ending the program: the orderly way while work is in flight, and the last resort when its
// main thread is stuck in a library.

namespace holdsheet::e2e {
namespace {

// A read of a stopped application waits for its timeout on the background worker, which
// uses the accessibility adapter: quitting then must wait for it, not tear the adapter down
// under it (an ASan build reports that).
TEST(Quit, WhileAReadIsInFlightEndsCleanly) {
    RunningApp app(Toolkit::gtk,
                   {{0, "menu", "_File", "", ""}, {1, "item", "_Open", "<Primary>o", "Ctrl+O"}});
    ASSERT_TRUE(app.waitUntilReadable());
    ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == app.pid(); }, 20s));
    RunningApp holdsheet{QStringList{HOLDSHEET_BINARY}};
    ASSERT_TRUE(waitUntil([] { return !panelStatus().isEmpty(); }, 30s));
    ASSERT_EQ(::kill(app.pid(), SIGSTOP), 0);
    ASSERT_EQ(runHoldsheet({"show"}).exitCode, 0);
    const bool reading = waitUntil([] { return panelStatus().value("loading").toBool(); }, 20s);
    const auto ended = holdsheet.terminate(20s);
    ::kill(app.pid(), SIGCONT);
    ASSERT_TRUE(reading);
    EXPECT_EQ(ended, std::optional<int>(0));
    const QByteArray errors = holdsheet.errorOutput();
    EXPECT_FALSE(errors.contains("AddressSanitizer") || errors.contains("runtime error"))
        << errors.toStdString();
}

// With the accessibility bus's daemon stopped before the start, Qt's own accessibility
// bridge blocks the main thread for its D-Bus timeout; SIGTERM still ends the program.
TEST(Quit, SigtermEndsAProgramWhoseMainThreadIsStuck) {
    const pid_t daemon = accessibilityBusDaemon();
    ASSERT_GT(daemon, 0);
    ASSERT_EQ(::kill(daemon, SIGSTOP), 0);
    std::optional<RunningApp> holdsheet;
    holdsheet.emplace(QStringList{HOLDSHEET_BINARY});
    const bool registered = waitUntil([] { return nameOnBus("org.holdsheet.Holdsheet"); }, 30s);
    const auto terminating = std::chrono::steady_clock::now();
    const auto ended = holdsheet->terminate(15s);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - terminating);
    ::kill(daemon, SIGCONT);
    std::printf("main thread stuck: SIGTERM to exit %lld ms\n",
                static_cast<long long>(took.count()));
    ASSERT_TRUE(registered);
    EXPECT_EQ(ended, std::optional<int>(0));
}

}  // namespace
}  // namespace holdsheet::e2e
