#include "harvest/SheetFilter.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

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
