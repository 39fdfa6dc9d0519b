#include "sheetview/ShortcutRow.h"

#include "sheetview/GroupView.h"
#include "sheetview/SheetLabel.h"
#include "sheetview/SheetStyle.h"

#include "SheetViewHarness.h"

#include <QEnterEvent>
#include <QTest>
#include <QVariantAnimation>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

struct Row {
    explicit Row(const ShortcutItem& item, double scale = 1.0, int width = 300)
        : row(item, scale, [this](const ShortcutItem& clicked) { ran.push_back(clicked.title); }) {
        row.resize(width, row.heightForWidth(width));
        row.show();
    }
    void hover(bool inside) {
        if (inside) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QCoreApplication::sendEvent(&row, &enter);
        } else {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(&row, &leave);
        }
    }
    // Jumps the highlight's animation to its end, without waiting for it.
    QImage settledImage() {
        if (auto* animation = row.findChild<QVariantAnimation*>()) {
            animation->setCurrentTime(animation->duration());
        }
        return row.grab().toImage();
    }
    std::vector<QString> ran;
    ShortcutRow row;
};

TEST(ShortcutRowTest, EnabledRowsLightUpUnderThePointerAndRunOnClick) {
    Row r(makeItem("Save", "⌘", "S"));
    EXPECT_EQ(r.row.contentOpacity(), 1.0);
    const QImage plain = r.settledImage();
    r.hover(true);
    EXPECT_TRUE(r.row.hovering());
    EXPECT_DOUBLE_EQ(r.row.highlight(), 0.0);  // eased in, not switched
    EXPECT_NE(r.settledImage(), plain);
    EXPECT_DOUBLE_EQ(r.row.highlight(), 1.0);
    QTest::mouseClick(&r.row, Qt::LeftButton, {}, QPoint(2, 2));  // the gap is part of it
    EXPECT_EQ(r.ran, std::vector<QString>{"Save"});
    r.hover(false);
    EXPECT_FALSE(r.row.hovering());
    EXPECT_EQ(r.row.accessibleName(), "Save, ⌘S");
}

TEST(ShortcutRowTest, DisabledRowsAreDimmedNeverLitAndDoNothing) {
    Row r(makeItem("Undo", "⌘", "Z", false));
    EXPECT_FALSE(r.row.isEnabled());
    EXPECT_DOUBLE_EQ(r.row.contentOpacity(), 0.38);
    const QImage plain = r.settledImage();
    r.hover(true);
    EXPECT_EQ(r.settledImage(), plain);
    QTest::mouseClick(&r.row, Qt::LeftButton);
    EXPECT_TRUE(r.ran.empty());
}

TEST(ShortcutRowTest, AnEnabledItemDoesNotLiftADisablingFromOutside) {
    QWidget parent;
    parent.setEnabled(false);
    ShortcutRow row(makeItem("Save", "⌘", "S"), 1.0, {}, &parent);
    EXPECT_FALSE(row.isEnabled());
}

TEST(ShortcutRowTest, FontsAndKeyCapWidthsFollowTheTextSize) {
    struct Case {
        double scale;
        double title, modifiers, key, column, minimumCap;
    };
    for (const auto& c : {Case{0.9, 11.7, 11.7, 11.25, 75.6, 18}, Case{1.0, 13, 13, 12.5, 84, 20},
                          Case{1.18, 15.34, 15.34, 14.75, 99.12, 23.6}}) {
        SCOPED_TRACE(c.scale);
        Row r(makeItem("Find", "", "F5"), c.scale);
        EXPECT_NEAR(sheetFontSize(r.row.titleFont()), c.title, 1e-9);
        EXPECT_NEAR(sheetFontSize(r.row.keyCaps().modifierFont()), c.modifiers, 1e-9);
        EXPECT_NEAR(sheetFontSize(r.row.keyCaps().keyFont()), c.key, 1e-9);
        EXPECT_NEAR(r.row.capsColumn(), c.column, 1e-9);
        // One narrow character: the cap keeps its minimum width.
        Row narrow(makeItem("Line", "", "I"), c.scale);
        EXPECT_NEAR(narrow.row.keyCaps().capRect().width(), c.minimumCap, 1e-9);
    }
}

TEST(ShortcutRowTest, KeyCapsEndOnOneLineWithOrWithoutModifiers) {
    Row plain(makeItem("Refresh", "", "F5"));
    Row combined(makeItem("Save As", "⇧⌘", "S"));
    EXPECT_FALSE(plain.row.keyCaps().hasModifiers());
    EXPECT_TRUE(combined.row.keyCaps().hasModifiers());
    const double end = ShortcutRow::horizontalPadding + plain.row.capsColumn();
    EXPECT_NEAR(plain.row.keyCapsRect().right(), end, 1e-9);
    EXPECT_NEAR(combined.row.keyCapsRect().right(), end, 1e-9);
    EXPECT_LT(combined.row.keyCapsRect().width(), plain.row.capsColumn());
}

TEST(ShortcutRowTest, LongTitlesWrapToTwoLinesAndAreCut) {
    const QString title = QString("Rearrange every open document window by name ").repeated(4);
    Row r(makeItem(title, "⌘", "R"), 1.0, 260);
    const QStringList lines = r.row.titleLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].endsWith(QChar(0x2026)));
    Row one(makeItem("Save", "⌘", "S"), 1.0, 260);
    EXPECT_EQ(one.row.titleLines().size(), 1);
    EXPECT_GT(r.row.heightForWidth(260), one.row.heightForWidth(260));
    EXPECT_NEAR(r.row.keyCapsRect().right(), one.row.keyCapsRect().right(), 1e-9);
}

TEST(ShortcutRowTest, RightToLeftMirrorsTheRowButNotTheKeyCaps) {
    Row r(makeItem("Save As", "⇧⌘", "S"));
    const QRectF ltrCaps = r.row.keyCapsRect();
    r.row.setLayoutDirection(Qt::RightToLeft);
    const QRectF rtlCaps = r.row.keyCapsRect();
    EXPECT_NEAR(rtlCaps.left(), r.row.width() - ltrCaps.right(), 1e-9);
    EXPECT_GT(rtlCaps.left(), r.row.width() / 2.0);  // the caps sit on the right
    // Inside, modifiers still come first from the left, then the key.
    const KeyCaps& caps = r.row.keyCaps();
    EXPECT_LT(caps.modifiersRect().right(), caps.capRect().left());
}

TEST(GroupViewTest, TitleInTheAccentColourThenARowPerItem) {
    ShortcutGroup group{
        QUuid::createUuid(), "Edit", {makeItem("Cut", "⌘", "X"), makeItem("Copy", "⌘", "C")}};
    GroupView view(group, 1.18, {});
    EXPECT_EQ(view.title()->text(), "Edit");
    EXPECT_EQ(view.title()->tone(), SheetLabel::Tone::accent);
    EXPECT_TRUE(view.title()->font().bold());
    EXPECT_NEAR(sheetFontSize(view.title()->font()), 13 * 1.18, 1e-9);
    ASSERT_EQ(view.rows().size(), 2u);
    EXPECT_EQ(view.rows()[1]->item().id, group.items[1].id);
}

}  // namespace
}  // namespace holdsheet
