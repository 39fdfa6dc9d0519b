// Applications without a menu bar: the shortcuts help they compile in makes their sheet, and
// one with neither says why its sheet is empty.
#include "E2eSupport.h"

#include "app/ExitStatus.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace holdsheet::e2e {
namespace {

const QString fromHelp = QStringLiteral("from the app's shortcuts help");

QProcessEnvironment onX11() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("GDK_BACKEND", "x11");
    return environment;
}

// The groups of a dumped sheet that carry a subtitle, as "subtitle|title" each.
QStringList subtitledGroups(const QJsonObject& sheet) {
    QStringList groups;
    for (const QJsonValue group : sheet["groups"].toArray()) {
        if (group["subtitle"].isString()) {
            groups << group["subtitle"].toString() + "|" + group["title"].toString();
        }
    }
    return groups;
}

// The title of the row with these keys in a dumped sheet, or empty.
QString titleOfKeys(const QJsonObject& sheet, const QString& keys) {
    for (const QJsonValue group : sheet["groups"].toArray()) {
        for (const QJsonValue item : group["items"].toArray()) {
            if (item["modifiers"].toString() + item["key"].toString() == keys) {
                return item["title"].toString();
            }
        }
    }
    return {};
}

// GNOME's text editor has no menu bar: its sheet is its compiled help, in the language the
// program speaks; held over it, the panel lists those rows, and a row runs in the editor.
TEST(HelpSheet, TheTextEditorsCompiledHelpInEnglishAndGermanInThePanelAndPerformed) {
    RunningApp editor(QStringList{"gnome-text-editor", "--standalone"}, onX11());
    // GTK 4 joins the accessibility bus a moment after its window shows.
    ASSERT_TRUE(waitForAccessible(editor.pid(), "New Document", false, 30s))
        << "the editor never joined the accessibility bus";

    QTemporaryDir english;
    const QJsonObject sheet =
        dumpJson(editor.pid(), {"--no-system"}, withSettings(english.path(), "language=en\n"));
    EXPECT_GE(sheet["itemCount"].toInt(), 20);
    const QStringList groups = subtitledGroups(sheet);
    EXPECT_TRUE(groups.contains(fromHelp + "|Documents")) << groups.join(", ").toStdString();
    EXPECT_EQ(titleOfKeys(sheet, "⌃T"), "New document");
    EXPECT_EQ(groups.size(), sheet["groups"].toArray().size()) << "no menu bar";

    QTemporaryDir german;
    const QJsonObject deutsch =
        dumpJson(editor.pid(), {"--no-system"}, withSettings(german.path(), "language=de\n"));
    EXPECT_EQ(deutsch["itemCount"].toInt(), sheet["itemCount"].toInt());
    EXPECT_EQ(titleOfKeys(deutsch, "⌃T"), "Neues Dokument");
    EXPECT_TRUE(
        subtitledGroups(deutsch).contains("aus der Tastenkürzel-Hilfe der Anwendung|Dokumente"))
        << subtitledGroups(deutsch).join(", ").toStdString();

    // A hold of Super over it: the panel with those rows (the desktop's group left out).
    QTemporaryDir config;
    RunningApp holdsheet(QStringList{HOLDSHEET_BINARY},
                         withSettings(config.path(), "language=en\nshowSystemShortcuts=false\n"));
    ASSERT_TRUE(holdsheetAnswers());
    ASSERT_TRUE(activate(editor.pid()));
    const int tabsBefore = countAccessibles(editor.pid(), "AdwTab");
    xdotool({"keydown", "super"});
    const bool opened = panelOpens();
    xdotool({"keyup", "super"});
    ASSERT_TRUE(opened);
    ASSERT_TRUE(sheetLoaded());
    const QVariantMap status = panelStatus();
    EXPECT_EQ(status.value("targetPid").toInt(), editor.pid());
    EXPECT_EQ(status.value("itemCount").toInt(), sheet["itemCount"].toInt());
    EXPECT_EQ(status.value("reason").toString(), "");
    screenshot("panel-over-text-editor.png");

    xdotool({"type", "--delay", "20", "new doc"});
    const auto row = waitForAccessible(holdsheet.pid(), "New document, ");
    ASSERT_TRUE(row);
    EXPECT_TRUE(row->enabled);
    clickAt(row->frame.center());
    EXPECT_TRUE(panelCloses());
    EXPECT_TRUE(waitUntil([&] { return countAccessibles(editor.pid(), "AdwTab") > tabsBefore; }))
        << "Ctrl+T opened no new document";
}

// gedit has a header bar instead of a menu bar, and keeps its help in a library of its own.
TEST(HelpSheet, GeditsSheetIsTheHelpInItsLibrary) {
    RunningApp gedit(QStringList{"gedit", "--standalone"}, onX11());
    ASSERT_TRUE(waitForAccessible(gedit.pid(), "Untitled Document 1", false, 30s))
        << "gedit never joined the accessibility bus";
    const HoldsheetRun run = runHoldsheet(
        {"dump", "--pid", QString::number(gedit.pid()), "--format", "json", "--no-system"});
    EXPECT_EQ(run.exitCode, exitOk) << run.err.toStdString();
    const QJsonObject sheet = parseJson(run.out);
    EXPECT_GE(sheet["itemCount"].toInt(), 20);
    EXPECT_EQ(titleOfKeys(sheet, "⌃T"), "Create a new document in a tab");
    EXPECT_TRUE(subtitledGroups(sheet).contains(fromHelp + "|Documents"));
}

// Neither a menu bar nor a help: dump and the panel say so, with a status of its own.
TEST(HelpSheet, AnApplicationWithNothingToReadSaysSo) {
    RunningApp app(Toolkit::gtk, oneMenu(), {"--no-menu-bar"});
    ASSERT_TRUE(waitForAccessible(app.pid(), "Holdsheet GTK fixture", true, 30s));
    const HoldsheetRun run = runHoldsheet(
        {"dump", "--pid", QString::number(app.pid()), "--format", "json", "--no-system"});
    EXPECT_EQ(run.exitCode, exitNothingToRead) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("has no menu bar and no shortcuts help to read."))
        << run.err.toStdString();
    EXPECT_EQ(parseJson(run.out)["itemCount"].toInt(), 0);

    QTemporaryDir config;
    RunningApp holdsheet(QStringList{HOLDSHEET_BINARY}, withSettings(config.path()));
    ASSERT_TRUE(holdsheetAnswers());
    ASSERT_TRUE(activate(app.pid()));
    showPanel();
    const QVariantMap status = panelStatus();
    EXPECT_EQ(status.value("targetPid").toInt(), app.pid());
    const QString reason = status.value("reason").toString();
    EXPECT_TRUE(reason.endsWith("has no menu bar and no shortcuts help to read."))
        << reason.toStdString();
    EXPECT_GT(status.value("itemCount").toInt(), 0) << "the desktop's group still shows";
    screenshot("panel-nothing-to-read.png");
}

}  // namespace
}  // namespace holdsheet::e2e
