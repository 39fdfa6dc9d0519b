// The accessibility bus's daemon restarting under the running program.
#include "E2eSupport.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <csignal>

namespace holdsheet::e2e {
namespace {

QString accessibilityBusAddress() {
    return runTool("gdbus", {"call", "--session", "--dest", "org.a11y.Bus", "--object-path",
                             "/org/a11y/bus", "--method", "org.a11y.Bus.GetAddress"});
}

// A bus launcher started by the session bus on demand gets the session bus's environment,
// which predates this session's folders and display: give it ours, so that it keeps its
// socket in the private runtime folder and announces the bus on our display.
bool shareEnvironmentWithActivatedServices() {
    QStringList entries;
    const auto environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"HOME", "DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME",
          "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "GSETTINGS_BACKEND"}) {
        if (environment.contains(name)) {
            entries << QStringLiteral("'%1': '%2'").arg(name, environment.value(name));
        }
    }
    return QProcess::execute("gdbus", {"call", "--session", "--dest", "org.freedesktop.DBus",
                                       "--object-path", "/org/freedesktop/DBus", "--method",
                                       "org.freedesktop.DBus.UpdateActivationEnvironment",
                                       "{" + entries.join(", ") + "}"}) == 0;
}

// Opens the panel over the application and waits for its sheet to be read.
QVariantMap sheetShownOver(const RunningApp& app) {
    EXPECT_TRUE(activate(app.pid()));
    EXPECT_EQ(runHoldsheet({"show"}).exitCode, 0);
    QVariantMap status;
    EXPECT_TRUE(waitUntil(
        [&] {
            status = panelStatus();
            return status.value("targetPid").toInt() == app.pid() &&
                   !status.value("loading").toBool() && status.value("itemCount").toInt() >= 0;
        },
        30s));
    EXPECT_EQ(runHoldsheet({"hide"}).exitCode, 0);
    EXPECT_TRUE(panelCloses());
    return status;
}

// The daemon ends and the session starts another at a new address: the running program
// reads the applications on the new bus, with the trust state of the new bus.
TEST(AccessibilityBusRestart, TheRunningProgramMovesToTheNewBus) {
    ASSERT_TRUE(shareEnvironmentWithActivatedServices());
    RunningApp holdsheet{QStringList{HOLDSHEET_BINARY}};
    ASSERT_TRUE(holdsheetAnswers());
    {
        RunningApp before(Toolkit::gtk, twoMenus());
        ASSERT_TRUE(before.waitUntilReadable());
        EXPECT_GE(sheetShownOver(before).value("itemCount").toInt(), 3) << "read on the first bus";
    }

    const QString oldAddress = accessibilityBusAddress();
    const pid_t daemon = accessibilityBusDaemon();
    ASSERT_GT(daemon, 0);
    ASSERT_EQ(::kill(daemon, SIGTERM), 0);
    // Its launcher ends with it; asking for the address starts a new one.
    QString newAddress;
    ASSERT_TRUE(waitUntil(
        [&] {
            newAddress = accessibilityBusAddress();
            return !newAddress.isEmpty() && newAddress != oldAddress;
        },
        30s))
        << oldAddress.toStdString();
    ASSERT_TRUE(setAccessibilityEnabled(true));

    RunningApp after(Toolkit::gtk, twoMenus());
    ASSERT_TRUE(after.waitUntilReadable());
    const QJsonObject sheet = dumpJson(after.pid(), {});
    const auto groups = describeGroups(sheet);
    ASSERT_FALSE(groups.empty());
    EXPECT_EQ(groups.front(), "File: Open ⌃O, Save ⌃S");
    const QVariantMap shown = sheetShownOver(after);
    EXPECT_EQ(shown.value("itemCount").toInt(), sheet.value("itemCount").toInt())
        << "the panel reads what a new connection reads";
    EXPECT_FALSE(shown.value("notResponding").toBool());
    EXPECT_EQ(holdsheet.terminate(), std::optional<int>(0));
}

}  // namespace
}  // namespace holdsheet::e2e
