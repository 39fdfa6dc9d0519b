#include "sheetview/ShortcutRow.h"

#include "sheetview/GroupView.h"
#include "ui/SheetStyle.h"

#include "SheetViewHarness.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

constexpr double rowWidth = 300;

TEST(ShortcutRowTest, FontsAndKeyCapWidthsFollowTheTextSize) {
    struct Case {
        double scale;
        double title, modifiers, key, column, minimumCap;
    };
    for (const auto& c : {Case{0.9, 11.7, 11.7, 11.25, 75.6, 18}, Case{1.0, 13, 13, 12.5, 84, 20},
                          Case{1.18, 15.34, 15.34, 14.75, 99.12, 23.6}}) {
        SCOPED_TRACE(c.scale);
        const ShortcutRow row(makeItem("Find", "", "F5"), c.scale);
        EXPECT_NEAR(sheetFontSize(row.titleFont()), c.title, 1e-9);
        EXPECT_NEAR(sheetFontSize(row.keyCaps().modifierFont()), c.modifiers, 1e-9);
        EXPECT_NEAR(sheetFontSize(row.keyCaps().keyFont()), c.key, 1e-9);
        EXPECT_NEAR(row.capsColumn(), c.column, 1e-9);
        // One narrow character: the cap keeps its minimum width.
        const ShortcutRow narrow(makeItem("Line", "", "I"), c.scale);
        EXPECT_NEAR(narrow.keyCaps().capRect().width(), c.minimumCap, 1e-9);
    }
}

TEST(ShortcutRowTest, KeyCapsEndOnOneLineWithOrWithoutModifiers) {
    const ShortcutRow plain(makeItem("Refresh", "", "F5"), 1.0);
    const ShortcutRow combined(makeItem("Save As", "⇧⌘", "S"), 1.0);
    EXPECT_FALSE(plain.keyCaps().hasModifiers());
    EXPECT_TRUE(combined.keyCaps().hasModifiers());
    const double end = ShortcutRow::horizontalPadding + plain.capsColumn();
    EXPECT_NEAR(plain.geometry(rowWidth, Qt::LeftToRight).caps.right(), end, 1e-9);
    EXPECT_NEAR(combined.geometry(rowWidth, Qt::LeftToRight).caps.right(), end, 1e-9);
    EXPECT_LT(combined.geometry(rowWidth, Qt::LeftToRight).caps.width(), plain.capsColumn());
}

TEST(ShortcutRowTest, LongTitlesWrapToTwoLinesAndAreCut) {
    const QString title = QString("Rearrange every open document window by name ").repeated(4);
    const ShortcutRow longer(makeItem(title, "⌘", "R"), 1.0);
    const ShortcutRow single(makeItem("Save", "⌘", "S"), 1.0);
    const QStringList wrapped = longer.titleLines(260);
    ASSERT_EQ(wrapped.size(), 2);
    EXPECT_TRUE(wrapped[1].endsWith(QChar(0x2026)));
    EXPECT_EQ(single.titleLines(260), QStringList{"Save"});
    const auto two = longer.geometry(260, Qt::LeftToRight);
    const auto one = single.geometry(260, Qt::LeftToRight);
    EXPECT_GT(two.height, one.height);
    EXPECT_NEAR(two.caps.right(), one.caps.right(), 1e-9);
    // Wider, the same title needs fewer lines.
    EXPECT_EQ(longer.titleLines(5000).size(), 1);
}

// The height is counted without shaping the lines: it must agree with the lines drawn, at
// every width a title crosses from one line to two, in every text size.
TEST(ShortcutRowTest, CountedLinesAgreeWithTheLinesDrawn) {
    const QStringList titles{"Save",
                             "Export Document Item 47",
                             "Rearrange every open document window by name",
                             "Zusammenführen aller geöffneten Fenster",
                             "すべてのウインドウを手前に移動",
                             "إظهار جميع النوافذ المفتوحة",
                             "Supercalifragilisticexpialidocious"};
    for (const double scale : {0.9, 1.0, 1.18}) {
        for (const QString& title : titles) {
            const ShortcutRow row(makeItem(title, "⇧⌘", "S"), scale);
            for (double width = 150; width <= 420; width += 3) {
                SCOPED_TRACE(
                    QStringLiteral("%1 at %2 × %3").arg(title).arg(width).arg(scale).toStdString());
                const auto lines = row.titleLines(width);
                const auto geometry = row.geometry(width, Qt::LeftToRight);
                EXPECT_EQ(geometry.lineCount, lines.size());
            }
        }
    }
}

TEST(ShortcutRowTest, RightToLeftMirrorsTheRowButNotTheKeyCaps) {
    const ShortcutRow row(makeItem("Save As", "⇧⌘", "S"), 1.0);
    const QRectF ltr = row.geometry(rowWidth, Qt::LeftToRight).caps;
    const QRectF rtl = row.geometry(rowWidth, Qt::RightToLeft).caps;
    EXPECT_NEAR(rtl.left(), rowWidth - ltr.right(), 1e-9);
    EXPECT_GT(rtl.left(), rowWidth / 2);  // the caps sit on the right
    EXPECT_LT(row.geometry(rowWidth, Qt::RightToLeft).title.right(), rtl.left());
    // Inside, modifiers still come first from the left, then the key.
    EXPECT_LT(row.keyCaps().modifiersRect().right(), row.keyCaps().capRect().left());
}

TEST(ShortcutRowTest, DisabledRowsAreDimmedAndNamedWithTheirKeys) {
    const ShortcutRow undo(makeItem("Undo", "⌘", "Z", false), 1.0);
    const ShortcutRow save(makeItem("Save", "⇧⌘", "S"), 1.0);
    EXPECT_DOUBLE_EQ(undo.contentOpacity(), 0.38);
    EXPECT_DOUBLE_EQ(save.contentOpacity(), 1.0);
    EXPECT_EQ(save.accessibleName(), "Save, ⇧⌘S");
}

TEST(GroupViewTest, ARowPerItemInOrderWithTheirIdentities) {
    const ShortcutGroup group{
        QUuid::createUuid(), "Edit", {makeItem("Cut", "⌘", "X"), makeItem("Copy", "⌘", "C")}};
    const GroupView view(group, 1.18);
    EXPECT_EQ(view.id(), group.id);
    EXPECT_TRUE(view.titleFont().bold());
    EXPECT_NEAR(sheetFontSize(view.titleFont()), 13 * 1.18, 1e-9);
    ASSERT_EQ(view.rows().size(), 2u);
    EXPECT_EQ(view.rows()[1].item().id, group.items[1].id);
}

}  // namespace
}  // namespace holdsheet
