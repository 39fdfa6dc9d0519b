#include "platform/posix/IniPreferenceStore.h"
#include "platform/posix/IniText.h"
#include "prefs/Preferences.h"

#include "support/QtPrinters.h"
#include "support/SettingsFileFixture.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <functional>
#include <future>

// One store over its file: what it reads, where an unreadable file is kept, and what takes the
// file's place that is never read or written (only a regular file of sane size is).

namespace holdsheet {
namespace {

using namespace std::chrono_literals;
using namespace holdsheet::testing;

using IniStore = SettingsFileFixture;

// Values of types the store does not know read as absent, and stay as they are.
TEST_F(IniStore, HandWrittenTextReadsAsTheKindsTheStoreKnows) {
    const QByteArray original =
        "[General]\n"
        "showDisabled=false\n"
        "holdLevel=8.5\n"
        "theme=dark\n"
        "excludedApps=org.gnome.Terminal, firefox\n"
        "single=org.gnome.Calculator\n"
        "empty=@Invalid()\n"
        "variant=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\tQSomething)\n"
        "glassAmount=@ByteArray(0.5)\n";
    writeSettings(original);
    IniPreferenceStore store(path());
    EXPECT_EQ(store.object("showDisabled"), QVariant(false));
    EXPECT_EQ(store.object("holdLevel"), QVariant(8.5));
    EXPECT_EQ(store.string("theme"), "dark");
    EXPECT_EQ(store.stringList("excludedApps"), (QStringList{"org.gnome.Terminal", "firefox"}));
    EXPECT_EQ(store.stringList("single"), QStringList{"org.gnome.Calculator"});
    EXPECT_EQ(store.stringList("empty"), QStringList{});
    EXPECT_EQ(store.object("missing"), std::nullopt);
    EXPECT_EQ(store.object("variant"), std::nullopt);
    EXPECT_EQ(store.object("glassAmount"), std::nullopt);

    const Preferences prefs(store);
    EXPECT_FALSE(prefs.showDisabled());
    EXPECT_DOUBLE_EQ(prefs.holdLevel(), 8.5);
    EXPECT_EQ(prefs.theme(), AppTheme::dark);

    store.remove("variant");  // reads as absent: nothing to remove
    store.set("hadAccessibilityAccess", true);
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(readFile(path()), original + "hadAccessibilityAccess=true\n");
    EXPECT_FALSE(QFileInfo::exists(path() + ".corrupt"));
}

TEST_F(IniStore, WritesPersistAndNotify) {
    {
        IniPreferenceStore store(path());
        int heard = 0;
        auto subscription = store.observe([&] { ++heard; });
        store.set("hasOnboarded", true);
        store.set("glassAmount", 0.4);
        store.set("language", "he");
        store.remove("language");
        EXPECT_EQ(heard, 4);
    }
    EXPECT_EQ(readFile(path()), "[General]\nhasOnboarded=true\nglassAmount=0.4\n");
}

TEST_F(IniStore, EarlierCopiesAndLinksAtTheCopysNamesArePassedOverNeverFollowed) {
    const QByteArray original = "[General]\ntheme=dark\nhalf a line\n";
    writeSettings(original);
    const QString victim = dir.filePath("victim");
    ASSERT_TRUE(writeFile(victim, "victim"));
    ASSERT_TRUE(writeFile(path() + ".corrupt", "earlier"));
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere/missing"), path() + ".corrupt.1"));
    ASSERT_TRUE(QFile::link(victim, path() + ".corrupt.2"));

    IniPreferenceStore store(path());
    store.set("theme", "light");
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(readFile(path()), "[General]\ntheme=light\n");
    EXPECT_EQ(store.setAsidePath(), path() + ".corrupt.3");
    EXPECT_EQ(readFile(path() + ".corrupt.3"), original);
    EXPECT_EQ(readFile(path() + ".corrupt"), "earlier");
    EXPECT_EQ(readFile(victim), "victim");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("nowhere")));
    EXPECT_EQ(QFileInfo(path() + ".corrupt.1").symLinkTarget(), dir.filePath("nowhere/missing"));
}

TEST_F(IniStore, WithoutACopyTheSaveGoesOnKeepingTheUnreadableLines) {
    writeSettings("[General]\ntheme=dark\nhalf a line\n");
    ASSERT_TRUE(QFile::link("nowhere", path() + ".corrupt"));
    for (int n = 1; n <= 1000; ++n) {
        ASSERT_TRUE(QFile::link("nowhere", path() + QStringLiteral(".corrupt.%1").arg(n)));
    }
    IniPreferenceStore store(path());
    ::testing::internal::CaptureStderr();
    store.set("theme", "light");
    EXPECT_TRUE(store.flush());
    store.set("textSize", "large");
    EXPECT_TRUE(store.flush());
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(readFile(path()), "[General]\ntheme=light\ntextSize=large\nhalf a line\n");
    EXPECT_EQ(store.setAsidePath(), "");
    EXPECT_EQ(countOf(said, "no copy of"), 1) << said;
}

struct Outcome {
    std::optional<QVariant> themeBefore;
    std::optional<QString> themeAfter;
    std::string errors;
};

// Runs a store on a thread of its own: a blocking open would otherwise hang the test.
Outcome useStore(const QString& path) {
    auto result = std::async(std::launch::async, [&] {
        ::testing::internal::CaptureStderr();
        IniPreferenceStore store(path);
        Outcome outcome;
        outcome.themeBefore = store.object("theme");
        store.set("theme", "light");
        store.set("textSize", "large");
        outcome.themeAfter = store.string("theme");
        outcome.errors = ::testing::internal::GetCapturedStderr();
        return outcome;
    });
    // Generous: a loaded machine takes seconds over a 1 MiB file; a FIFO blocks for ever.
    const bool finished = result.wait_for(60s) == std::future_status::ready;
    if (!finished) {
        // The writer releases the open; with the FIFO gone, nothing blocks again.
        const QByteArray name = QFile::encodeName(path);
        const int writer = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
        ::unlink(name.constData());
        if (writer >= 0) {
            ::close(writer);
        }
    }
    EXPECT_TRUE(finished) << "the store blocked";
    return result.get();
}

TEST_F(IniStore, WhatIsNoRegularFileOfSaneSizeIsNeitherReadNorWrittenAndSaidOnce) {
    const auto name = [this] { return QFile::encodeName(path()); };
    const struct {
        const char* what;
        std::function<void()> make;
    } cases[] = {
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(name().constData(), 0600), 0); }},
        {"a link to a device", [&] { ASSERT_TRUE(QFile::link("/dev/zero", path())); }},
        {"a folder", [&] { ASSERT_EQ(::mkdir(name().constData(), 0700), 0); }},
        {"over one mebibyte",
         [&] {
             writeSettings("[General]\ntheme=dark\n");
             ASSERT_TRUE(QFile::resize(path(), 50 << 20));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QTemporaryDir fresh;
        root = fresh.path();
        ASSERT_TRUE(QDir().mkpath(root + "/Holdsheet"));
        c.make();
        const auto before = identity();
        const Outcome outcome = useStore(path());
        EXPECT_EQ(outcome.themeBefore, std::nullopt) << "read nothing, not even the first line";
        EXPECT_EQ(outcome.themeAfter, "light") << "changes live on in memory";
        EXPECT_TRUE(identity() == before);
        EXPECT_EQ(countOf(outcome.errors, "ignored"), 1) << outcome.errors;
    }
    root = dir.path();
    writeSettings("[General]\ntheme=dark\n" + QByteArray((1 << 20) - 40, '\n'));
    const Outcome underTheLimit = useStore(path());
    EXPECT_EQ(underTheLimit.themeBefore, QVariant("dark"));
    EXPECT_EQ(underTheLimit.errors, "");
    EXPECT_TRUE(readFile(path()).startsWith("[General]\ntheme=light\ntextSize=large\n"));
}

TEST(IniText, ValuesReadAsQSettingsWritesThem) {
    const struct {
        const char* line;
        std::optional<QVariant> value;
    } cases[] = {
        {"k=plain", QVariant("plain")},
        {"k = spaced out ", QVariant("spaced out")},
        {"k=a, b,c", QVariant(QStringList{"a", "b", "c"})},
        {"k=\"a, b\"", QVariant("a, b")},
        {"k=\" padded \"", QVariant(" padded ")},
        {"k=\"say \\\"hi\\\"\\n\"", QVariant("say \"hi\"\n")},
        {"k=@@at", QVariant("@at")},
        {"k=@Invalid()", QVariant()},
        {"k=value ; a comment", QVariant("value")},
        {"k=", QVariant("")},
        {"k=@Variant(\\0\\0\\0\\x2)", std::nullopt},
        {"k=@Rect(1 2 3 4)", std::nullopt},
    };
    for (const auto& c : cases) {
        const IniText text = IniText::parse(QByteArray("[General]\n") + c.line + "\n");
        const auto found = text.values.find("k");
        const auto value =
            found == text.values.end() ? std::nullopt : std::optional<QVariant>(found->second);
        EXPECT_EQ(value, c.value) << c.line;
        EXPECT_TRUE(text.sound) << c.line;
    }
}

TEST(IniText, EveryKindOfValueSurvivesARoundTrip) {
    const QVariant values[] = {
        QVariant(true),
        QVariant(0.4),
        QVariant(1e308),
        QVariant("dark"),
        QVariant("@home"),
        QVariant(" a, b; c = \"d\" \\ e\n"),
        QVariant(QStringList{"org.gnome.Terminal", "fire, fox", "@x"}),
        QVariant(QStringList{}),
    };
    for (const QVariant& value : values) {
        const QByteArray content = IniText::edit("", "k", value, false);
        const IniText text = IniText::parse(content);
        const QVariant expected = value.metaType() == QMetaType::fromType<bool>() ||
                                          value.metaType() == QMetaType::fromType<double>()
                                      ? QVariant(value.toString())
                                      : value;
        const QVariant read = text.values.at("k");
        EXPECT_TRUE(read == expected || (!read.isValid() && value.toStringList().isEmpty()))
            << content.toStdString();
    }
}

TEST(IniText, SoundnessIsAboutLinesThatAreNoSetting) {
    const struct {
        const char* content;
        bool sound;
    } cases[] = {
        {"", true},
        {"; comment\n# comment\n\n[General]\nk=v\n[Other]\nx=y\n", true},
        {"[General]\nno setting here\n", false},
        {"[General]\n=v\n", false},
        {"[General\n", false},
        {"[General]\nk=\xff\xfe\n", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IniText::parse(c.content).sound, c.sound) << c.content;
    }
}

TEST(IniText, OtherSectionsAreKeptApart) {
    const IniText text = IniText::parse("k=top\n[Other]\nk=other\n[General]\nj=general\n");
    EXPECT_EQ(text.values.at("k"), QVariant("top"));
    EXPECT_EQ(text.values.at("Other/k"), QVariant("other"));
    EXPECT_EQ(text.values.at("j"), QVariant("general"));
}

TEST(IniText, AnEditChangesOnlyTheLineOfItsKey) {
    const struct {
        const char* before;
        const char* key;
        std::optional<QVariant> value;
        const char* after;
    } cases[] = {
        {"", "k", QVariant(true), "[General]\nk=true\n"},
        {"# mine\n[General]\n  a = 1 \nk=old ; why\n\n[Other]\nk=x\n", "k", QVariant("new"),
         "# mine\n[General]\n  a = 1 \nk=new\n\n[Other]\nk=x\n"},
        {"[General]\na=1\n\n[Other]\nk=x\n", "k", QVariant("new"),
         "[General]\na=1\nk=new\n\n[Other]\nk=x\n"},
        {"[Other]\nk=x", "k", QVariant("new"), "[General]\nk=new\n\n[Other]\nk=x\n"},
        {"; only a comment", "k", QVariant("new"), "; only a comment\n[General]\nk=new\n"},
        {"[General]\nk=1\na=2\nk=3\n", "k", std::nullopt, "[General]\na=2\n"},
        {"[General]\nk=1\na=2\nk=3\n", "k", QVariant(4.5), "[General]\nk=1\na=2\nk=4.5\n"},
        {"[General]\r\na=1\r\n", "k", QVariant("v"), "[General]\r\na=1\r\nk=v\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IniText::edit(c.before, c.key, c.value, false), QByteArray(c.after)) << c.before;
    }
}

TEST(IniText, AnEditCanLeaveOutWhatIsNoSetting) {
    const QByteArray before = "[General]\nbroken\n# kept\na=1\n\xff\n";
    EXPECT_EQ(IniText::edit(before, "k", QVariant("v"), true), "[General]\n# kept\na=1\nk=v\n");
    EXPECT_EQ(IniText::edit(before, "k", QVariant("v"), false),
              "[General]\nbroken\n# kept\na=1\nk=v\n\xff\n");
}

}  // namespace
}  // namespace holdsheet
