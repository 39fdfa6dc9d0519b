#include "harvest/SheetFilter.h"
#include "harvest/ShortcutModel.h"
#include "harvest/TitleCap.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

TEST(ShortcutItem, CopiesKeepTheIdAndShareTheElement) {
    class Element : public AXElement {};
    auto element = std::make_shared<Element>();
    ShortcutItem item;
    item.action = ShortcutAction::menu(AXBox{element});
    const ShortcutItem copy = item;
    EXPECT_EQ(copy.id, item.id);
    EXPECT_EQ(copy.action.menuBox()->element.get(), element.get());
    EXPECT_EQ(element.use_count(), 3);  // ours, the item's and the copy's

    ShortcutItem other;
    EXPECT_NE(other.id, item.id);
}

const QString ellipsis(QChar(0x2026));

TEST(TitleCap, ALongTitleIsCutWithAnEllipsisWithinTheLimit) {
    struct Case {
        const char* name;
        QString text;
        qsizetype limit;
        QString capped;
    };
    const QString e = QStringLiteral("e\u0301");        // e and a combining acute: one grapheme
    const QString face = QStringLiteral("\U0001F600");  // a surrogate pair
    const Case cases[] = {
        {"short", "Open", 8, "Open"},
        {"exactly the limit", "Open All", 8, "Open All"},
        {"one over", "Open All!", 8, "Open Al" + ellipsis},
        {"the space before the cut goes", "Open All Windows", 10, "Open All" + ellipsis},
        {"a pair is not split", "abcdef" + face + "gh", 8, "abcdef" + ellipsis},
        {"a pair that fits stays", "abcde" + face + "gh", 8, "abcde" + face + ellipsis},
        {"a combining mark stays with its letter", "abcdef" + e + "gh", 8, "abcdef" + ellipsis},
        {"the whole cluster or none", "abcde" + e + "gh", 8, "abcde" + e + ellipsis},
        {"nothing but the ellipsis at the least", "Open", 1, ellipsis},
    };
    for (const Case& c : cases) {
        const QString capped = cappedTitle(c.text, c.limit);
        EXPECT_EQ(capped, c.capped) << c.name;
        EXPECT_LE(capped.size(), c.limit) << c.name;
    }
}

using Lines = std::vector<std::string>;

ShortcutItem item(const char* title, const char* modifiers, const char* key) {
    ShortcutItem i;
    i.title = QString::fromUtf8(title);
    i.modifiers = QString::fromUtf8(modifiers);
    i.key = QString::fromUtf8(key);
    return i;
}

std::vector<ShortcutGroup> sampleGroups() {
    ShortcutGroup file{
        QUuid::createUuid(),
        "File",
        {item("Save", "⌘", "S"), item("Save As…", "⇧⌘", "S"), item("Close", "⌘", "W")}};
    ShortcutGroup edit{
        QUuid::createUuid(), "Edit", {item("Undo", "⌘", "Z"), item("Redo", "⇧⌘", "Z")}};
    ShortcutGroup view{
        QUuid::createUuid(),
        "View",
        {item("Zoom", "⌃⌘", "Z"), item("Café Mode", "⌥", "C"), item("Index", "⌘", "I")}};
    return {file, edit, view};
}

std::vector<std::string> describe(const std::vector<ShortcutGroup>& groups) {
    std::vector<std::string> lines;
    for (const auto& group : groups) {
        std::string line = group.title.toStdString() + ":";
        for (const auto& i : group.items) {
            line += " " + i.title.toStdString();
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(FilterGroups, MatchesTitlesAndKeyTextsAsTyped) {
    const auto groups = sampleGroups();
    struct Case {
        const char* query;
        Lines expected;
    };
    const Case cases[] = {
        {"   \n", {"File: Save Save As… Close", "Edit: Undo Redo", "View: Zoom Café Mode Index"}},
        {"edit", {"Edit: Undo Redo"}},
        {"  sav ", {"File: Save Save As…"}},
        {"⌘s", {"File: Save Save As…"}},
        {"⇧⌘", {"File: Save As…", "Edit: Redo"}},
        {"⌘Z", {"Edit: Undo Redo", "View: Zoom"}},
        {"cafe", {}},  // accents count
        {"CAFÉ", {"View: Café Mode"}},
        {"xyz", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(describe(filterGroups(QString::fromUtf8(c.query), groups, QLocale("en_US"))),
                  c.expected)
            << c.query;
    }
}

TEST(FilterGroups, WholeGroupsKeepTheirIdsNarrowedOnesGetNewOnes) {
    const auto groups = sampleGroups();
    const auto blank = filterGroups("  ", groups, QLocale("en_US"));
    EXPECT_EQ(blank[0].id, groups[0].id);
    const auto whole = filterGroups("file", groups, QLocale("en_US"));
    EXPECT_EQ(whole.at(0).id, groups[0].id);
    const auto once = filterGroups("close", groups, QLocale("en_US"));
    const auto twice = filterGroups("close", groups, QLocale("en_US"));
    ASSERT_EQ(once.size(), 1u);
    EXPECT_NE(once[0].id, groups[0].id);
    EXPECT_NE(once[0].id, twice[0].id);
    EXPECT_EQ(once[0].items[0].id, groups[0].items[2].id);  // items keep theirs
}

TEST(FilterGroups, TurkishCaseRulesUnderATurkishLocale) {
    std::vector<ShortcutGroup> groups{
        {QUuid::createUuid(), "Menü", {item("İndir", "⌘", "D"), item("Işık", "⌘", "L")}}};
    const QLocale turkish("tr_TR");
    EXPECT_EQ(describe(filterGroups("indir", groups, turkish)), Lines{"Menü: İndir"});
    EXPECT_EQ(describe(filterGroups("ışık", groups, turkish)), Lines{"Menü: Işık"});
    EXPECT_EQ(describe(filterGroups("isik", groups, turkish)), Lines{});
    EXPECT_EQ(describe(filterGroups("işık", groups, turkish)), Lines{});  // I is ı in Turkish
    // Elsewhere the default mapping: I pairs with i.
    EXPECT_EQ(describe(filterGroups("işık", groups, QLocale("en_US"))), Lines{"Menü: Işık"});
}

}  // namespace
}  // namespace holdsheet
