#include "app/DumpFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <string_view>

namespace holdsheet {
namespace {

using namespace std::string_view_literals;

ShortcutItem item(const char* title, const char* modifiers, const char* key, bool enabled = true) {
    ShortcutItem i;
    i.title = QString::fromUtf8(title);
    i.modifiers = QString::fromUtf8(modifiers);
    i.key = QString::fromUtf8(key);
    i.isEnabled = enabled;
    i.action = ShortcutAction::menu(AXBox{});
    return i;
}

ShortcutGroup group(const QString& title, std::vector<ShortcutItem> items) {
    ShortcutGroup g;
    g.title = title;
    g.items = std::move(items);
    return g;
}

ShortcutSheet sampleSheet() {
    return {{group("File", {item("New", "⌃", "N"), item("Save As", "⌃⇧", "S"),
                            item("Help", "", "F1", false)}),
             group("Edit \"quoted\" %2", {item("Tab\there\\", "⌘", "↩")})}};
}

// One group and one item, both titled `title`.
ShortcutSheet oneItem(const QString& title, const char* key = "A") {
    ShortcutItem only = item("", "", key);
    only.title = title;
    return {{group(title, {only})}};
}

TEST(DumpFormat, TextRightAlignsKeyCapsAcrossTheSheet) {
    EXPECT_EQ(sheetAsText(sampleSheet()).toStdString(),
              "File\n"
              "   ⌃N  New\n"
              "  ⌃⇧S  Save As\n"
              "   F1  Help (disabled)\n"
              "\n"
              "Edit \"quoted\" %2\n"
              "   ⌘↩  Tab\\there\\\\\n");
    EXPECT_EQ(sheetAsText(ShortcutSheet{}), QString());
}

// A menu title is the application's to choose: nothing in it may reach the terminal as a
// control (an escape sequence, a carriage return over the line, a line of its own).
TEST(DumpFormat, TextShowsControlCharactersEscaped) {
    struct Case {
        std::u16string_view title;
        const char* printed;
    };
    const Case cases[] = {
        {u"Plain Title"sv, "Plain Title"},
        {u"\x1b]0;pwned\x07Title"sv, "\\x1b]0;pwned\\x07Title"},
        {u"\x1b[2J\x1b[HClear"sv, "\\x1b[2J\\x1b[HClear"},
        {u"Over\rwritten"sv, "Over\\rwritten"},
        {u"Two\nLines"sv, "Two\\nLines"},
        {u"Tab\tbed"sv, "Tab\\tbed"},
        {u"Nul\x00"
         u"Del\x7f"sv,
         "Nul\\x00Del\\x7f"},
        {u"C1 \x9b"
         "31m CSI \x85 NEL"sv,
         "C1 \\x9b31m CSI \\x85 NEL"},
        {u"C:\\new"sv, "C:\\\\new"},  // not read as a line break
        {u"Ünïcødé ⌘ 日本 😀"sv, "Ünïcødé ⌘ 日本 😀"},
    };
    for (const Case& c : cases) {
        const QString title = QString::fromUtf16(c.title.data(), qsizetype(c.title.size()));
        ShortcutSheet sheet = oneItem(title);
        sheet.groups[0].items[0].key = title;
        const QString printed = QString::fromUtf8(c.printed);
        EXPECT_EQ(printable(title), printed) << c.printed;
        // The group's title, the key and the item's title, and nothing else, on two lines.
        EXPECT_EQ(sheetAsText(sheet), printed + "\n  " + printed + "  " + printed + "\n")
            << c.printed;
    }
}

TEST(DumpFormat, JsonKeepsOrderAndEscapesTexts) {
    const QByteArray json = sheetAsJson({42, "Name with %1 and \"quotes\""}, sampleSheet());
    EXPECT_TRUE(
        json.startsWith("{\"application\": {\"pid\": 42, \"name\": \"Name with %1 and "
                        "\\\"quotes\\\"\"}, \"itemCount\": 4, \"notResponding\": false, "
                        "\"cutShort\": false, \"groups\": [{\"title\": "
                        "\"File\", \"items\": [{\"title\": \"New\", \"modifiers\": "
                        "\"⌃\", \"key\": \"N\", \"enabled\": true, \"action\": \"menu\"}"))
        << json.toStdString();
    QJsonParseError error{};
    const QJsonObject parsed = QJsonDocument::fromJson(json, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    const QJsonArray groups = parsed["groups"].toArray();
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups[1].toObject()["title"].toString(), "Edit \"quoted\" %2");
    const QJsonObject tab = groups[1].toObject()["items"].toArray()[0].toObject();
    EXPECT_EQ(tab["title"].toString(), "Tab\there\\");
    EXPECT_EQ(groups[0].toObject()["items"].toArray()[2].toObject()["enabled"].toBool(), false);
}

// DEL and C1 are valid JSON as they are, but a terminal may act on them. Lone surrogates were
// written as U+FFFD and a byte-order mark as itself, which Qt's reader drops (both found by
// fuzzing), so the title did not read back.
TEST(DumpFormat, JsonEscapesControlsAndKeepsLoneSurrogates) {
    const std::pair<std::u16string_view, const char*> cases[] = {
        {u"\x01"sv, "\"\\u0001\""},
        {u"\x7f\x9b\x85"sv, "\"\\u007f\\u009b\\u0085\""},
        {u"\xD83D\x0000x\x40FC\xDE00\xD83D\xDE00"sv, "\"\\ud83d\\u0000x"},
        {u"\xDC00"sv, "\"\\udc00\""},
        {u"a\xFEFF\xFFFF"sv, "\"a\\ufeff\xef\xbf\xbf\""},
    };
    for (const auto& [units, escaped] : cases) {
        const QString title = QString::fromUtf16(units.data(), qsizetype(units.size()));
        ShortcutSheet sheet = oneItem(title);
        sheet.groups[0].items[0].action = ShortcutAction::keys(0, 0);
        const QByteArray json = sheetAsJson({1, title}, sheet);
        EXPECT_EQ(json.count(escaped), 3) << json.toStdString();
        EXPECT_TRUE(json.contains("\"action\": \"keys\""));
        QJsonParseError error{};
        const QJsonObject parsed = QJsonDocument::fromJson(json, &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << json.toStdString();
        const QJsonObject group = parsed["groups"].toArray()[0].toObject();
        EXPECT_EQ(parsed["application"].toObject()["name"].toString(), title);
        EXPECT_EQ(group["title"].toString(), title);
        EXPECT_EQ(group["items"].toArray()[0].toObject()["title"].toString(), title);
    }
    const char16_t pair[] = {0xD83D, 0xDE00};
    EXPECT_TRUE(sheetAsJson({1, QString(reinterpret_cast<const QChar*>(pair), 2)}, ShortcutSheet{})
                    .contains("\xf0\x9f\x98\x80"))
        << "a valid pair stays as it is";
}

}  // namespace
}  // namespace holdsheet
