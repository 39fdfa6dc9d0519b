#include "E2eSupport.h"

#include "platform/linux/ActiveWindow.h"

#include <gtest/gtest.h>

#include <csignal>

// Ending the program the orderly way while work is in flight. (SIGTERM while the
// accessibility bus is stopped: StoppedAccessibilityBus in PanelTest.)

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

}  // namespace
}  // namespace holdsheet::e2e
