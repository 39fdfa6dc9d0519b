#include "platform/linux/IniPreferenceStore.h"

#include "prefs/Preferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/linux/SettingsFileFixture.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using IniStore = testing::SettingsFileFixture;

TEST_F(IniStore, HandWrittenTextReadsAsTheKindsTheStoreKnows) {
    writeFile(
        "[General]\n"
        "showDisabled=false\n"
        "holdLevel=8.5\n"
        "theme=dark\n"
        "excludedApps=org.gnome.Terminal, firefox\n"
        "single=org.gnome.Calculator\n"
        "empty=@Invalid()\n");
    IniPreferenceStore store(path());
    EXPECT_EQ(store.object("showDisabled"), QVariant(false));
    EXPECT_EQ(store.object("holdLevel"), QVariant(8.5));
    EXPECT_EQ(store.string("theme"), "dark");
    EXPECT_EQ(store.stringList("excludedApps"), (QStringList{"org.gnome.Terminal", "firefox"}));
    EXPECT_EQ(store.stringList("single"), QStringList{"org.gnome.Calculator"});
    EXPECT_EQ(store.stringList("empty"), QStringList{});
    EXPECT_EQ(store.object("missing"), std::nullopt);

    const Preferences prefs(store);
    EXPECT_FALSE(prefs.showDisabled());
    EXPECT_DOUBLE_EQ(prefs.holdLevel(), 8.5);
    EXPECT_EQ(prefs.theme(), AppTheme::dark);
}

TEST_F(IniStore, WritesPersistAndNotify) {
    {
        IniPreferenceStore store(path());
        int heard = 0;
        auto subscription = store.observe([&] { ++heard; });
        store.set("hasOnboarded", true);
        store.set("glassAmount", 0.4);
        store.set("excludedApps", QStringList{"a.b"});
        store.set("language", "he");
        store.remove("language");
        EXPECT_EQ(heard, 5);
    }
    const QByteArray text = readFile(path());
    EXPECT_TRUE(text.contains("hasOnboarded=true")) << text.toStdString();
    EXPECT_TRUE(text.contains("glassAmount=0.4"));
    EXPECT_FALSE(text.contains("language"));
    EXPECT_TRUE(QFileInfo::exists(path() + ".corrupt") == false);
}

TEST_F(IniStore, AFileThatDoesNotParseIsKeptAsideBeforeTheFirstWrite) {
    const QByteArray original = "[General]\ntheme=dark\nthis line is no setting\n";
    writeFile(original);
    IniPreferenceStore store(path());
    EXPECT_EQ(store.string("theme"), "dark");  // what parses still reads
    EXPECT_EQ(readFile(path()), original);     // reading changes nothing

    store.set("textSize", "large");
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(store.setAsidePath(), path() + ".corrupt");
    EXPECT_EQ(readFile(path() + ".corrupt"), original);
    const QByteArray rewritten = readFile(path());
    EXPECT_TRUE(rewritten.contains("theme=dark"));
    EXPECT_TRUE(rewritten.contains("textSize=large"));

    // Only once: the second write does not copy the now sound file again.
    store.set("textSize", "small");
    EXPECT_TRUE(store.flush());
    EXPECT_FALSE(QFileInfo::exists(path() + ".corrupt.1"));
}

TEST_F(IniStore, AnEarlierCopyIsNeverOverwritten) {
    writeFile("[General]\n\xff\xfe broken bytes\n");
    {
        QFile earlier(path() + ".corrupt");
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    IniPreferenceStore store(path());
    store.set("theme", "light");
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(readFile(path() + ".corrupt"), "earlier");
    EXPECT_EQ(store.setAsidePath(), path() + ".corrupt.1");
    EXPECT_TRUE(readFile(path() + ".corrupt.1").startsWith("[General]\n\xff\xfe"));
}

}  // namespace
}  // namespace holdsheet
