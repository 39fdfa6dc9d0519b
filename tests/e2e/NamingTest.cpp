#include "E2eSupport.h"

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
    ASSERT_TRUE(fixture.waitUntilReadable() && fixture.inFront());
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
    // Without --pid, dump reads the application in front.
    const auto dumpedName = [&] {
        const HoldsheetRun run = runHoldsheet({"dump", "--format", "json"}, environment);
        const QJsonObject application = parseJson(run.out).value("application").toObject();
        EXPECT_EQ(application.value("pid").toInt(), fixture.pid()) << run.err.toStdString();
        return application.value("name").toString();
    };

    EXPECT_EQ(shownName(), "Holdsheet-gtk-fixture");
    EXPECT_EQ(dumpedName(), "Holdsheet-gtk-fixture");

    writeFile(data.filePath("applications/org.example.Notebook.desktop"),
              "[Desktop Entry]\nType=Application\nName=Fixture Notebook\nExec=true\n"
              "StartupWMClass=Holdsheet-gtk-fixture\n");
    EXPECT_TRUE(waitUntil([&] { return shownName() == "Fixture Notebook"; }, 30s))
        << shownName().toStdString();
    EXPECT_EQ(dumpedName(), "Fixture Notebook");
}

}  // namespace
}  // namespace holdsheet::e2e
