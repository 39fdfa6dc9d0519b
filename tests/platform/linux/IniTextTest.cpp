#include "platform/linux/IniText.h"

#include "support/QtPrinters.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

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
