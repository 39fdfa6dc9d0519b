#include "E2eSupport.h"

#include "platform/linux/ActiveWindow.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace holdsheet::e2e {
namespace {

// The panel's header and dump name an application alike: by its window class while no
// launcher entry names it, by the entry once one appears in the applications folder.
TEST(Naming, PanelAndDumpGiveOneNameAndSeeANewLauncherEntry) {
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", data.path());
    RunningApp fixture(Toolkit::gtk, oneMenu());
    ASSERT_TRUE(fixture.waitUntilReadable());
    ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == fixture.pid(); }, 20s));
    RunningApp holdsheet(QStringList{HOLDSHEET_BINARY}, environment);
    ASSERT_TRUE(holdsheetAnswers());

    const auto shownName = [] {
        if (runHoldsheet({"show"}).exitCode != 0 || !panelOpens()) {
            return QStringLiteral("(the panel did not open)");
        }
        const QString name = panelStatus().value("targetName").toString();
        runHoldsheet({"hide"});
        return panelCloses() ? name : QStringLiteral("(the panel did not close)");
    };
    const auto dumpedName = [&] {
        const HoldsheetRun run = runHoldsheet(
            {"dump", "--pid", QString::number(fixture.pid()), "--format", "json", "--no-system"},
            environment);
        return parseJson(run.out).value("application").toObject().value("name").toString();
    };

    EXPECT_EQ(shownName(), "Holdsheet-gtk-fixture");
    EXPECT_EQ(dumpedName(), "Holdsheet-gtk-fixture");

    ASSERT_TRUE(QDir().mkpath(data.filePath("applications")));
    QFile entry(data.filePath("applications/org.example.Notebook.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write(
        "[Desktop Entry]\nType=Application\nName=Fixture Notebook\nExec=true\n"
        "StartupWMClass=Holdsheet-gtk-fixture\n");
    entry.close();
    EXPECT_TRUE(waitUntil([&] { return shownName() == "Fixture Notebook"; }, 30s))
        << shownName().toStdString();
    EXPECT_EQ(dumpedName(), "Fixture Notebook");
}

}  // namespace
}  // namespace holdsheet::e2e
