#include "sheetview/ColumnsView.h"
#include "sheetview/GroupView.h"
#include "sheetview/ShortcutRow.h"
#include "ui/SheetStyle.h"

#include "Ink.h"
#include "SheetViewHarness.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QTest>
#include <QVariantAnimation>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

struct Columns {
    explicit Columns(const std::vector<ShortcutGroup>& groups, int count = 2)
        : view(groups, count, 1.0,
               [this](const ShortcutItem& item) { ran.push_back(item.title); }) {
        view.resize(800, view.heightForWidth(800));
        view.show();
    }
    QPoint centreOf(const QString& title) const {
        for (const auto& placed : view.placement()) {
            if (placed.isRow() && view.rowOf(placed).item().title == title) {
                return placed.frame.center().toPoint();
            }
        }
        ADD_FAILURE() << "no row " << title.toStdString();
        return {};
    }
    std::size_t indexOf(const QString& title) const { return *view.elementAt(centreOf(title)); }
    void moveTo(const QPoint& point) { QTest::mouseMove(&view, point); }
    // Ends the highlight's animations without waiting for them.
    QImage settledImage() {
        for (auto* animation : view.findChildren<QVariantAnimation*>()) {
            animation->setCurrentTime(animation->duration());
        }
        return view.grab().toImage();
    }
    std::vector<QString> ran;
    ColumnsView view;
};

std::vector<ShortcutGroup> editMenu() {
    return {{QUuid::createUuid(),
             "Edit",
             {makeItem("Undo", "⌘", "Z", false), makeItem("Cut", "⌘", "X"),
              makeItem("Copy", "⌘", "C")}}};
}

// The height is the tallest column's with the paddings.
TEST(ColumnsViewTest, GroupsGoToTheColumnsTheSplitGivesInOrderAndSetTheHeight) {
    Columns c(makeSheet({1}).groups, 2);
    ASSERT_EQ(c.view.columns().size(), 2u);
    EXPECT_TRUE(c.view.columns()[0].empty());  // its middle lies exactly on the boundary
    ASSERT_EQ(c.view.columns()[1].size(), 1u);
    const auto& placed = c.view.placement();
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_FALSE(placed[0].isRow());
    EXPECT_GT(placed[0].frame.left(), 400);  // the second of two equal columns
    EXPECT_GT(placed[1].frame.top(), placed[0].frame.bottom());

    Columns tall(makeSheet({8, 1}).groups, 2);
    Columns shorter(makeSheet({4, 1}).groups, 2);
    double bottom = 0;
    for (const auto& p : tall.view.placement()) {
        bottom = std::max(bottom, p.frame.bottom());
    }
    EXPECT_NEAR(tall.view.heightForWidth(800), std::ceil(bottom + 22), 1.0);
    EXPECT_GT(tall.view.heightForWidth(800), shorter.view.heightForWidth(800));
    // Right to left the columns start on the right.
    const double ltr = tall.view.placement()[0].frame.left();
    tall.view.setLayoutDirection(Qt::RightToLeft);
    EXPECT_NEAR(tall.view.placement()[0].frame.right(), 800 - ltr, 1e-9);
}

TEST(ColumnsViewTest, OnlyEnabledRowsLightUpUnderThePointerAndRunOnAClick) {
    Columns c(editMenu());
    const QImage plain = c.settledImage();
    c.moveTo(c.centreOf("Undo"));
    EXPECT_EQ(c.settledImage(), plain) << "a disabled row is never lit";
    QTest::mouseClick(&c.view, Qt::LeftButton, {}, c.centreOf("Undo"));
    c.view.activate(c.indexOf("Undo"));
    // A press dragged to another row runs nothing.
    QTest::mousePress(&c.view, Qt::LeftButton, {}, c.centreOf("Cut"));
    QTest::mouseRelease(&c.view, Qt::LeftButton, {}, c.centreOf("Copy"));
    EXPECT_TRUE(c.ran.empty());

    c.moveTo(c.centreOf("Cut"));
    ASSERT_EQ(c.view.hovered(), c.indexOf("Cut"));
    EXPECT_DOUBLE_EQ(c.view.highlight(c.indexOf("Cut")), 0.0);  // eased in, not switched
    EXPECT_NE(c.settledImage(), plain);
    EXPECT_DOUBLE_EQ(c.view.highlight(c.indexOf("Cut")), 1.0);
    QTest::mouseClick(&c.view, Qt::LeftButton, {}, c.centreOf("Cut"));
    EXPECT_EQ(c.ran, std::vector<QString>{"Cut"});
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&c.view, &leave);
    EXPECT_EQ(c.view.hovered(), std::nullopt);
    EXPECT_EQ(c.settledImage(), plain);
}

// What the sheet cuts short, the tool tip gives whole; what it shows whole needs none.
TEST(ColumnsViewTest, ATitleCutShortIsWholeInItsToolTip) {
    const QString longTitle =
        QStringLiteral("Export the selection as a sequence of numbered images ").repeated(4);
    const QString longGroup = QStringLiteral("Filters and Effects ").repeated(8);
    const std::vector<ShortcutGroup> groups = {
        {QUuid::createUuid(),
         longGroup,
         {makeItem(longTitle, "⌘", "E"), makeItem("Copy", "⌘", "C"),
          makeItem("Export the selection as numbered images", "⌘", "X")}}};
    Columns c(groups, 1);
    c.view.resize(400, c.view.heightForWidth(400));
    const QPointF title = c.view.placement()[0].frame.center();
    EXPECT_EQ(c.view.toolTipAt(title), longGroup);
    EXPECT_EQ(c.view.toolTipAt(c.centreOf(longTitle)), longTitle);
    EXPECT_EQ(c.view.toolTipAt(c.centreOf("Copy")), QString());
    EXPECT_EQ(c.view.toolTipAt(c.centreOf("Export the selection as numbered images")), QString())
        << "wrapped but whole";
    EXPECT_EQ(c.view.toolTipAt(QPointF(1, 1)), QString()) << "no element there";
    // Wide enough for all of it: no tool tip.
    c.view.resize(20000, c.view.heightForWidth(20000));
    EXPECT_EQ(c.view.toolTipAt(c.centreOf(longTitle)), QString());
}

TEST(ColumnsViewTest, TitlesAndRowsAreOnTheAccessibilityTree) {
    Columns c(editMenu());
    QAccessibleInterface* columns = QAccessible::queryAccessibleInterface(&c.view);
    ASSERT_NE(columns, nullptr);
    ASSERT_EQ(columns->childCount(), 4);
    QAccessibleInterface* title = columns->child(0);
    EXPECT_EQ(title->text(QAccessible::Name), "Edit");
    EXPECT_EQ(title->role(), QAccessible::Heading);
    QAccessibleInterface* undo = columns->child(1);
    EXPECT_EQ(undo->text(QAccessible::Name), "Undo, ⌘Z");
    EXPECT_EQ(undo->role(), QAccessible::Button);
    EXPECT_TRUE(undo->state().disabled);
    EXPECT_TRUE(undo->actionInterface()->actionNames().isEmpty());
    QAccessibleInterface* cut = columns->child(2);
    EXPECT_FALSE(cut->state().disabled);
    EXPECT_EQ(columns->indexOfChild(cut), 2);
    EXPECT_LE((cut->rect().center() - c.view.mapToGlobal(c.centreOf("Cut"))).manhattanLength(), 2);
    EXPECT_EQ(columns->childAt(cut->rect().center().x(), cut->rect().center().y()), cut);
    cut->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    undo->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(c.ran, std::vector<QString>{"Cut"});
}

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

// Right to left the row is mirrored, but inside the caps the modifiers still come first from
// the left.
TEST(ShortcutRowTest, KeyCapsEndOnOneLineWithOrWithoutModifiersAndMirrorRightToLeft) {
    const ShortcutRow plain(makeItem("Refresh", "", "F5"), 1.0);
    const ShortcutRow combined(makeItem("Save As", "⇧⌘", "S"), 1.0);
    EXPECT_FALSE(plain.keyCaps().hasModifiers());
    EXPECT_TRUE(combined.keyCaps().hasModifiers());
    EXPECT_DOUBLE_EQ(combined.contentOpacity(), 1.0);
    EXPECT_DOUBLE_EQ(ShortcutRow(makeItem("Undo", "⌘", "Z", false), 1.0).contentOpacity(), 0.38)
        << "a disabled row is dimmed";
    const double end = ShortcutRow::horizontalPadding + plain.capsColumn();
    EXPECT_NEAR(plain.geometry(rowWidth, Qt::LeftToRight).caps.right(), end, 1e-9);
    EXPECT_NEAR(combined.geometry(rowWidth, Qt::LeftToRight).caps.right(), end, 1e-9);
    EXPECT_LT(combined.geometry(rowWidth, Qt::LeftToRight).caps.width(), plain.capsColumn());
    const QRectF ltr = combined.geometry(rowWidth, Qt::LeftToRight).caps;
    const QRectF rtl = combined.geometry(rowWidth, Qt::RightToLeft).caps;
    EXPECT_NEAR(rtl.left(), rowWidth - ltr.right(), 1e-9);
    EXPECT_GT(rtl.left(), rowWidth / 2);
    EXPECT_LT(combined.geometry(rowWidth, Qt::RightToLeft).title.right(), rtl.left());
    EXPECT_LT(combined.keyCaps().modifiersRect().right(), combined.keyCaps().capRect().left());
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

namespace holdsheet {
namespace {

// A group that is not the application's menus says where it comes from, on a line of its
// own under the title, drawn and taken into the height.
TEST(GroupViewTest, AGroupFromElsewhereShowsWhereUnderItsTitle) {
    ShortcutGroup menu{QUuid::createUuid(), "Edit", {makeItem("Cut", "⌃", "X")}, {}};
    ShortcutGroup help = menu;
    help.subtitle = "from the app's shortcuts help";
    const GroupView plain(menu, 1.0);
    const GroupView marked(help, 1.0);
    EXPECT_GT(marked.titleHeight(),
              plain.titleHeight() + 0.8 * sheetFontSize(marked.subtitleFont()));
    EXPECT_TRUE(plain.subtitle().isEmpty());

    // The subtitle's line holds ink; the plain group's same line is its first row's.
    Columns withSubtitle({help}, 1);
    const QImage image = withSubtitle.settledImage();
    const auto& placed = withSubtitle.view.placement();
    ASSERT_FALSE(placed.empty());
    const QRectF title = placed.front().frame;
    const int titleLine = static_cast<int>(QFontMetricsF(marked.titleFont()).height());
    const QRect subtitleArea(
        static_cast<int>(title.left()), static_cast<int>(title.top()) + titleLine,
        static_cast<int>(title.width()), static_cast<int>(title.height()) - titleLine);
    EXPECT_FALSE(inkedRect(image, 200, subtitleArea).isNull()) << "the subtitle is drawn";
    QAccessibleInterface* heading =
        QAccessible::queryAccessibleInterface(&withSubtitle.view)->child(0);
    EXPECT_EQ(heading->text(QAccessible::Name), "Edit");
    EXPECT_EQ(heading->text(QAccessible::Description), help.subtitle)
        << "said to screen readers too";
}

}  // namespace
}  // namespace holdsheet
