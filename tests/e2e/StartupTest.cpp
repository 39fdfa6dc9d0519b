// How the program says what keeps it from starting, each with a status of its own.
#include "E2eSupport.h"

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
        {"no DISPLAY", {}, [](auto& e) { e.remove("DISPLAY"); }, 3, "DISPLAY is not set"},
        {"a display that does not exist",
         {},
         [](auto& e) { e.insert("DISPLAY", ":97"); },
         4,
         "cannot open the X display :97"},
        {"no session bus",
         {},
         [](auto& e) { e.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus"); },
         6,
         "no session bus"},
        {"show without a running Holdsheet", {"show"}, [](auto&) {}, 5, "is not running"},
        {"show without a session bus",
         {"show"},
         [](auto& e) { e.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus"); },
         6,
         "no session bus"},
        {"an unknown command", {"frobnicate"}, [](auto&) {}, 2, "unknown command"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        c.change(environment);
        const HoldsheetRun run = runHoldsheet(c.arguments, environment);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    const HoldsheetRun help = runHoldsheet({"help"});
    EXPECT_TRUE(help.out.contains("4 when the X display cannot be opened"));
    EXPECT_TRUE(help.out.contains("6 without a session bus"));
}

}  // namespace
}  // namespace holdsheet::e2e
