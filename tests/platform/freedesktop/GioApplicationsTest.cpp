#include "platform/freedesktop/GioApplications.h"

#include "support/TestFiles.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

// GLib reads the data folders once per process: this program points them at its own
// launcher entries before anything asks.

namespace holdsheet {
namespace {

QString dataHome() {
    static QTemporaryDir folder;
    return folder.path();
}

void writeEntry(const QString& name, const QByteArray& text) {
    ASSERT_TRUE(testing::writeFile(dataHome() + "/applications/" + name, text));
}

TEST(GioApplications, ListsTheEntriesTheDesktopShowsWithTheirIdsAndWindowClasses) {
    writeEntry("org.example.Editor.desktop",
               "[Desktop Entry]\nType=Application\nName=Editor\nName[de]=Bearbeiter\n"
               "Exec=true\nIcon=/nonexistent/icon.png\n");
    writeEntry("game.desktop",
               "[Desktop Entry]\nType=Application\nName=Game\nExec=true\nStartupWMClass=GameWin\n");
    writeEntry("helper.desktop",
               "[Desktop Entry]\nType=Application\nName=Helper\nExec=true\nNoDisplay=true\n");
    GioApplications desktop;
    auto all = desktop.all();
    std::sort(all.begin(), all.end(),
              [](const auto& a, const auto& b) { return a.desktopId < b.desktopId; });
    ASSERT_EQ(all.size(), 2u) << "the hidden helper is left out";
    EXPECT_EQ(all[0].desktopId, "game");
    EXPECT_EQ(all[0].name, "Game");
    EXPECT_EQ(all[0].startupWMClass, "GameWin");
    EXPECT_EQ(all[0].applicationId(), "GameWin");
    EXPECT_EQ(all[1].desktopId, "org.example.Editor");
    EXPECT_EQ(all[1].applicationId(), "org.example.Editor");
    EXPECT_TRUE(all[1].icon.isNull()) << "an icon file that is not there";

    EXPECT_EQ(desktop.find("GameWin")->name, "Game");
    EXPECT_EQ(desktop.find("game")->name, "Game") << "by its entry's id too";
    EXPECT_FALSE(desktop.find("helper"));
    EXPECT_FALSE(desktop.find(""));
}

}  // namespace
}  // namespace holdsheet

int main(int argc, char* argv[]) {
    setenv("XDG_DATA_HOME", QFile::encodeName(holdsheet::dataHome()).constData(), 1);
    setenv("XDG_DATA_DIRS", QFile::encodeName(holdsheet::dataHome() + "/none").constData(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("LANGUAGE", "en", 1);
    QGuiApplication app(argc, argv);  // icons need one
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
