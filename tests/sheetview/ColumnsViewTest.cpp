#include "sheetview/ColumnsView.h"

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

TEST(ColumnsViewTest, GroupsGoToTheColumnsTheSplitGivesAndReadInOrder) {
    Columns c(makeSheet({1}).groups, 2);
    ASSERT_EQ(c.view.columns().size(), 2u);
    EXPECT_TRUE(c.view.columns()[0].empty());  // its middle lies exactly on the boundary
    ASSERT_EQ(c.view.columns()[1].size(), 1u);
    const auto& placed = c.view.placement();
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_FALSE(placed[0].isRow());
    EXPECT_GT(placed[0].frame.left(), 400);  // the second of two equal columns
    EXPECT_GT(placed[1].frame.top(), placed[0].frame.bottom());
}

TEST(ColumnsViewTest, TheHeightIsTheTallestColumnWithPaddings) {
    Columns tall(makeSheet({8, 1}).groups, 2);
    Columns shorter(makeSheet({4, 1}).groups, 2);
    const auto& placed = tall.view.placement();
    double bottom = 0;
    for (const auto& p : placed) {
        bottom = std::max(bottom, p.frame.bottom());
    }
    EXPECT_NEAR(tall.view.heightForWidth(800), std::ceil(bottom + 22), 1.0);
    EXPECT_GT(tall.view.heightForWidth(800), shorter.view.heightForWidth(800));
}

TEST(ColumnsViewTest, EnabledRowsLightUpUnderThePointerAndRunOnClick) {
    Columns c(editMenu());
    const QImage plain = c.settledImage();
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

TEST(ColumnsViewTest, DisabledRowsAreNeverLitAndDoNothing) {
    Columns c(editMenu());
    const QImage plain = c.settledImage();
    c.moveTo(c.centreOf("Undo"));
    EXPECT_EQ(c.settledImage(), plain);
    QTest::mouseClick(&c.view, Qt::LeftButton, {}, c.centreOf("Undo"));
    c.view.activate(c.indexOf("Undo"));
    EXPECT_TRUE(c.ran.empty());
}

TEST(ColumnsViewTest, APressDraggedToAnotherRowRunsNothing) {
    Columns c(editMenu());
    QTest::mousePress(&c.view, Qt::LeftButton, {}, c.centreOf("Cut"));
    QTest::mouseRelease(&c.view, Qt::LeftButton, {}, c.centreOf("Copy"));
    EXPECT_TRUE(c.ran.empty());
}

TEST(ColumnsViewTest, RightToLeftStartsTheColumnsOnTheRight) {
    Columns c(makeSheet({3, 3}).groups, 2);
    const double ltr = c.view.placement()[0].frame.left();
    c.view.setLayoutDirection(Qt::RightToLeft);
    EXPECT_NEAR(c.view.placement()[0].frame.right(), 800 - ltr, 1e-9);
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

}  // namespace
}  // namespace holdsheet
