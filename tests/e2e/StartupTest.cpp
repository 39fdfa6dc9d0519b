// How the program and its commands say what keeps them from working, each with a status of
// its own. The options' parsing is unit tested; here, each kind of fault end to end.
#include "E2eSupport.h"

#include "app/ExitStatus.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace holdsheet::e2e {
namespace {

TEST(Startup, EveryFailureSaysWhatHappenedWithItsOwnStatus) {
    const auto noSessionBus = [](QProcessEnvironment& e) {
        e.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
        e.remove("AT_SPI_BUS_ADDRESS");
    };
    struct Case {
        QStringList arguments;
        int exitCode;
        const char* message;
        std::function<void(QProcessEnvironment&)> change = {};
        // A process that runs but is not on the accessibility bus still gets what else
        // there is to read: here, the desktop's group.
        bool printsSheet = false;
    };
    const Case cases[] = {
        {{},
         exitNoDisplay,
         "neither WAYLAND_DISPLAY nor DISPLAY is set",
         [](auto& e) { e.remove("DISPLAY"); }},
        {{},
         exitDisplayUnavailable,
         "cannot open the X display :97",
         [](auto& e) { e.insert("DISPLAY", ":97"); }},
        {{}, exitNoSessionBus, "no session bus", noSessionBus},
        {{"show"}, exitNotRunning, "is not running"},
        {{"show"}, exitNoSessionBus, "no session bus", noSessionBus},
        {{"frobnicate"}, exitUsage, "unknown command"},
        {{"dump"}, exitNoAccessibilityBus, "no accessibility bus", noSessionBus},
        {{"dump", "--frobnicate"}, exitUsage, "unknown option '--frobnicate'"},
        {{"dump", "--timeout", "0"}, exitUsage, "--timeout needs a number of seconds"},
        {{"dump", "--pid", QString::number(getpid())},
         exitNoApplication,
         "no application with pid",
         {},
         true},
        {{"dump", "--pid", "999999999"}, exitNoApplication, "no application with pid 999999999"},
        {{"dump", "--format", "pdf", "--output", "/nonexistent/sheet.pdf"},
         exitOutputUnwritable,
         "cannot write /nonexistent/sheet.pdf: its folder does not exist"},
        {{"dump", "--format", "pdf", "--output", "/tmp", "--force"},
         exitOutputUnwritable,
         "it is a folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " " + c.message);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (c.change) {
            c.change(environment);
        }
        const HoldsheetRun run = runHoldsheet(c.arguments, environment);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_EQ(run.out.isEmpty(), !c.printsSheet) << run.out.toStdString();
    }
    // Its text is unit tested; here, that the command prints it and succeeds.
    const HoldsheetRun help = runHoldsheet({"help"});
    EXPECT_EQ(help.exitCode, exitOk);
    EXPECT_TRUE(help.out.contains("Usage")) << help.out.toStdString();
}

}  // namespace
}  // namespace holdsheet::e2e
