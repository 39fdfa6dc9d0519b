#include "platform/freedesktop/XdgAutostart.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

class Autostart : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }
    QString entry() const { return config.path() + "/autostart/holdsheet.desktop"; }
    void write(const QByteArray& text) { ASSERT_TRUE(writeFile(entry(), text)); }

    QTemporaryDir config;
};

TEST_F(Autostart, EnablingWritesAnEntryThatRunsTheProgramAndDisablingRemovesIt) {
    XdgAutostart autostart(QStringLiteral("/usr/bin/holdsheet"));
    EXPECT_EQ(XdgAutostart::entryPath(), entry());
    EXPECT_FALSE(autostart.enabled());
    EXPECT_EQ(autostart.disable(), std::nullopt) << "nothing to remove is no failure";
    EXPECT_EQ(autostart.enable(), std::nullopt);
    EXPECT_TRUE(autostart.enabled());
    const QByteArray text = readFile(entry());
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nExec=/usr/bin/holdsheet\n"));
    EXPECT_EQ(autostart.disable(), std::nullopt);
    EXPECT_FALSE(QFile::exists(entry()));
    EXPECT_FALSE(autostart.enabled());

    // An entry the desktop hides counts as off, and enabling shows it again.
    write("[Desktop Entry]\nType=Application\nExec=holdsheet\nHidden=true\n");
    EXPECT_FALSE(autostart.enabled());
    write("[Desktop Entry]\nHidden = false\n[Desktop Action x]\nHidden=true\n");
    EXPECT_TRUE(autostart.enabled());
    write("[Desktop Entry]\nHidden=true\n");
    EXPECT_EQ(autostart.enable(), std::nullopt);
    EXPECT_TRUE(autostart.enabled()) << "written anew, shown";
}

TEST_F(Autostart, AFolderThatCannotBeMadeIsAFailureWithItsReason) {
    ASSERT_TRUE(writeFile(config.path() + "/autostart", ""));
    XdgAutostart autostart(QStringLiteral("/usr/bin/holdsheet"));
    const auto failure = autostart.enable();
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->contains(config.path())) << failure->toStdString();
    EXPECT_FALSE(autostart.enabled());
}

TEST(AutostartOnAFullDisk, AnEntryThereStaysWholeAndTheFailureIsSaid) {
    inSmallTmpfs(64 * 1024, [](const QString& folder) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
        const QString entry = folder + "/autostart/holdsheet.desktop";
        const QByteArray original = "[Desktop Entry]\n# mine\nExec=holdsheet\nHidden=true\n";
        ASSERT_TRUE(writeFile(entry, original));
        fillUp(folder);
        XdgAutostart autostart(QStringLiteral("/usr/bin/holdsheet"));
        const auto failure = autostart.enable();
        ASSERT_TRUE(failure);
        EXPECT_TRUE(failure->contains(entry) && failure->contains("No space left"))
            << failure->toStdString();
        EXPECT_EQ(readFile(entry), original);
        EXPECT_FALSE(autostart.enabled());
        EXPECT_EQ(QDir(folder + "/autostart").entryList(QDir::Files | QDir::Hidden),
                  QStringList{"holdsheet.desktop"})
            << "no temporary file left behind";

        ASSERT_TRUE(QFile::remove(folder + "/filler"));
        EXPECT_EQ(autostart.enable(), std::nullopt);
        EXPECT_TRUE(autostart.enabled());
    });
}

TEST(AutostartExec, QuotesAPathAsDesktopEntriesRequire) {
    const std::pair<const char*, const char*> table[] = {
        {"/usr/bin/holdsheet", "/usr/bin/holdsheet"},
        {"/home/kim/My Apps/holdsheet", R"("/home/kim/My Apps/holdsheet")"},
        {"/opt/100%/holdsheet", "/opt/100%%/holdsheet"},
        {"/opt/a\"b$c/holdsheet", R"("/opt/a\\"b\\$c/holdsheet")"},
        {"/opt/back\\slash", R"("/opt/back\\\\slash")"},
    };
    for (const auto& [path, argument] : table) {
        EXPECT_EQ(XdgAutostart::execArgument(QString::fromUtf8(path)), QString::fromUtf8(argument))
            << path;
    }
    EXPECT_FALSE(XdgAutostart::execArgument(QStringLiteral("/opt/two\nlines")));
    EXPECT_FALSE(XdgAutostart::execArgument(QString()));
}

}  // namespace
}  // namespace holdsheet
