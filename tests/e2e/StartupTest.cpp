// How the program says what keeps it from starting, each with a status of its own.
#include "E2eSupport.h"

#include "app/ExitStatus.h"

#include <gtest/gtest.h>

namespace holdsheet::e2e {
namespace {

TEST(Startup, EveryFailureSaysWhatHappenedWithItsOwnStatus) {
    struct Case {
        const char* name;
        QStringList arguments;
        std::function<void(QProcessEnvironment&)> change;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {"no DISPLAY",
         {},
         [](auto& e) { e.remove("DISPLAY"); },
         exitNoDisplay,
         "neither WAYLAND_DISPLAY nor DISPLAY is set"},
        {"a display that does not exist",
         {},
         [](auto& e) { e.insert("DISPLAY", ":97"); },
         exitDisplayUnavailable,
         "cannot open the X display :97"},
        {"no session bus",
         {},
         [](auto& e) { e.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus"); },
         exitNoSessionBus,
         "no session bus"},
        {"show without a running Holdsheet",
         {"show"},
         [](auto&) {},
         exitNotRunning,
         "is not running"},
        {"show without a session bus",
         {"show"},
         [](auto& e) { e.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus"); },
         exitNoSessionBus,
         "no session bus"},
        {"an unknown command", {"frobnicate"}, [](auto&) {}, exitUsage, "unknown command"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        c.change(environment);
        const HoldsheetRun run = runHoldsheet(c.arguments, environment);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    // Its text is unit tested; here, that the command prints it and succeeds.
    const HoldsheetRun help = runHoldsheet({"help"});
    EXPECT_EQ(help.exitCode, exitOk);
    EXPECT_TRUE(help.out.contains("Usage")) << help.out.toStdString();
}

}  // namespace
}  // namespace holdsheet::e2e
