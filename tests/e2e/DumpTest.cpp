#include "E2eSupport.h"

#include "app/ExitStatus.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>
#include <csignal>

namespace holdsheet::e2e {
namespace {

// Mousepad's menus, then, as this session's window manager is openbox, a group of its
// keybinds from the rc.xml it reads, and none of GNOME's, whatever GNOME's settings and a
// stale XDG_CURRENT_DESKTOP say.
TEST(Dump, ReadsMousepadAndEndsWithTheKeysOfTheRunningWindowManager) {
    RunningApp app(QStringList{"mousepad"});
    ASSERT_TRUE(app.waitUntilReadable());
    QTemporaryDir config;
    QProcessEnvironment environment =
        withConfigFile(config.path(), "openbox/rc.xml", R"(<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <keyboard>
    <keybind key="W-d"><action name="ToggleShowDesktop"/></keybind>
    <keybind key="C-A-Left"><action name="GoToDesktop"><to>left</to></action></keybind>
    <keybind key="W-F2"><action name="GoToDesktop"><to>2</to></action></keybind>
    <keybind key="W-Return"><action name="Execute"><command>xterm</command></action></keybind>
    <keybind key="A-F4"><action name="Close"/></keybind>
  </keyboard>
</openbox_config>
)");
    withConfigFile(config.path(), "glib-2.0/settings/keyfile",
                   "[org/gnome/desktop/wm/keybindings]\n"
                   "switch-group=['<Super>Above_Tab']\n"
                   "switch-to-workspace-right=['<Control><Alt>Right']\n");
    environment.insert("GSETTINGS_BACKEND", "keyfile");
    environment.insert("XDG_CURRENT_DESKTOP", "GNOME");

    const auto groups = dumpGroups(app.pid(), {}, environment);
    ASSERT_GE(groups.size(), 2u);
    EXPECT_TRUE(groups.front().starts_with("File: New ⌃N, ")) << groups.front();
    EXPECT_EQ(groups.back(),
              "Desktop Shortcuts: Show desktop ⌘D, Switch to workspace on the left ⌃⌥←, "
              "Go to desktop 2 ⌘F2, xterm ⌘↩, Close ⌥F4");
    EXPECT_EQ(dumpGroups(app.pid(), {"--no-system"}, environment).size(), groups.size() - 1);
    EXPECT_EQ(dumpGroups(app.pid(), {"--filter", "  save "}, environment),
              std::vector<std::string>{"File: Save ⌃S, Save As... ⌃⇧S"});
}

TEST(Dump, AStoppedApplicationIsReportedAndWhatWasReadStillPrinted) {
    RunningApp app(Toolkit::gtk, oneMenu());
    ASSERT_TRUE(app.waitUntilReadable());
    ASSERT_EQ(::kill(app.pid(), SIGSTOP), 0);
    const QString pid = QString::number(app.pid());
    const HoldsheetRun stopped =
        runHoldsheet({"dump", "--pid", pid, "--format", "json", "--no-system"});
    const HoldsheetRun text = runHoldsheet({"dump", "--pid", pid});
    ::kill(app.pid(), SIGCONT);
    EXPECT_EQ(stopped.exitCode, exitPartialSheet) << stopped.err.toStdString();
    // Named as the panel names it, by its window class here.
    EXPECT_TRUE(stopped.err.contains(
        "holdsheet dump: Holdsheet-gtk-fixture is not responding; the sheet may be incomplete"))
        << stopped.err.toStdString();
    EXPECT_LT(stopped.elapsed, 3s) << stopped.elapsed.count() << " ms";
    const QJsonObject sheet = parseJson(stopped.out);
    EXPECT_EQ(sheet.value("itemCount").toInt(), 0);
    EXPECT_TRUE(sheet.value("notResponding").toBool());
    EXPECT_EQ(text.exitCode, exitPartialSheet);
    EXPECT_TRUE(text.out.startsWith("Desktop Shortcuts\n")) << "the part that could be read";

    // Once it runs again it reads as before.
    const QJsonObject resumed = dumpJson(app.pid());
    EXPECT_EQ(resumed.value("itemCount").toInt(), 1);
    EXPECT_FALSE(resumed.value("notResponding").toBool());
}

TEST(Dump, ReportsDisabledAccessibility) {
    ASSERT_TRUE(setAccessibilityEnabled(false));
    const HoldsheetRun disabled = runHoldsheet({"dump"});
    ASSERT_TRUE(setAccessibilityEnabled(true));
    EXPECT_EQ(disabled.exitCode, exitAccessibilityOff);
    EXPECT_TRUE(disabled.err.contains("accessibility is not enabled"))
        << disabled.err.toStdString();
}

TEST(Dump, WritesThePdfAndReplacesAFileOnlyWhenForced) {
    RunningApp app(Toolkit::gtk, oneMenu());
    ASSERT_TRUE(app.waitUntilReadable());
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sheet.pdf");
    const QStringList arguments = {"dump",     "--pid",   QString::number(app.pid()),
                                   "--format", "pdf",     "--output",
                                   pdf,        "--system"};
    const HoldsheetRun run = runHoldsheet(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const QString text = runTool("pdftotext", {pdf, "-"});
    for (const char* part : {"Open", "⌃O", "Desktop Shortcuts", "Page 1 of 1"}) {
        EXPECT_TRUE(text.contains(part)) << part << " in " << text.toStdString();
    }
    EXPECT_TRUE(runTool("pdfinfo", {pdf}).contains("Keyboard Shortcuts"));

    // Someone's file is left alone unless --force says otherwise.
    writeFile(pdf, "keep me");
    const HoldsheetRun kept = runHoldsheet(arguments);
    EXPECT_EQ(kept.exitCode, exitOutputExists);
    EXPECT_TRUE(kept.err.contains("exists; add --force")) << kept.err.toStdString();
    EXPECT_EQ(readFile(pdf), "keep me");
    const HoldsheetRun forced =
        runHoldsheet(arguments + QStringList{"--force", "--filter", "open"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF-"));
    const QString filtered = runTool("pdftotext", {pdf, "-"});
    EXPECT_TRUE(filtered.contains("Open")) << filtered.toStdString();
    EXPECT_FALSE(filtered.contains("Desktop Shortcuts")) << "--filter open";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.pdf"});
}

// The accessibility bus's daemon stopped: dump says so once its handshake times out, or
// ends at its deadline when that comes first, each with its own status.
TEST(Dump, EndsInTimeWhenTheAccessibilityBusHangs) {
    const pid_t daemon = accessibilityBusDaemon();
    ASSERT_GT(daemon, 0) << "no accessibility bus daemon in this session";
    const struct {
        const char* timeout;
        int exitCode;
        const char* message;
    } cases[] = {
        {"10", exitNoAccessibilityBus, "the accessibility bus does not answer"},
        {"0.3", exitPastTimeout, "no sheet within 0.3 s"},
    };
    ASSERT_EQ(::kill(daemon, SIGSTOP), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.timeout);
        const HoldsheetRun run = runHoldsheet(
            {"dump", "--pid", QString::number(getpid()), "--timeout", c.timeout, "--no-system"});
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_LT(run.elapsed, 10s) << "never a hang";
    }
    ::kill(daemon, SIGCONT);
}

// A private mount namespace with a small, full tmpfs: no output is reported written,
// whatever the format and the help included, and the PDF that was there is still there.
TEST(Dump, AFullDiskFailsTheRunAndKeepsTheOldFile) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "mounting a small tmpfs in a private mount namespace takes root";
    }
    RunningApp app(Toolkit::gtk, oneMenu());
    ASSERT_TRUE(app.waitUntilReadable());
    QTemporaryDir dir;
    const char* script = R"sh(
        set -u
        mount -t tmpfs -o size=64k holdsheet-full "$1" || exit 97
        printf old > "$1/sheet.pdf"
        head -c 1048576 /dev/zero > "$1/filler" 2>/dev/null
        "$2" dump --pid "$3" --no-system > "$1/sheet.txt"
        echo "text $?"
        "$2" dump --pid "$3" --no-system --format json > "$1/sheet.json"
        echo "json $?"
        "$2" dump --help > "$1/dump-help.txt"
        echo "dump help $?"
        "$2" help > "$1/help.txt"
        echo "help $?"
        "$2" dump --pid "$3" --no-system --format pdf --output "$1/sheet.pdf" --force
        echo "pdf $?"
        echo "old $(cat "$1/sheet.pdf")"
        echo "entries $(LC_ALL=C ls -A "$1" | tr '\n' ' ')"
    )sh";
    QProcess process;
    process.start("unshare",
                  {"--mount", "--propagation", "private", "sh", "-c", script, "sh", dir.path(),
                   QString::fromLatin1(HOLDSHEET_BINARY), QString::number(app.pid())});
    ASSERT_TRUE(process.waitForFinished(120000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    ASSERT_EQ(process.exitCode(), 0) << err.toStdString();
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()),
              "text 10\njson 10\ndump help 10\nhelp 10\npdf 8\nold old\n"
              "entries dump-help.txt filler help.txt sheet.json sheet.pdf sheet.txt \n")
        << err.toStdString();
    EXPECT_TRUE(err.contains("cannot write to standard output: No space left on device"))
        << err.toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "the tmpfs was private to the namespace";
}

}  // namespace
}  // namespace holdsheet::e2e
