#include "sheetview/SheetContent.h"

#include "sheetview/ColumnsView.h"
#include "sheetview/EmptyNotice.h"
#include "sheetview/PermissionNotice.h"
#include "sheetview/SheetLabel.h"
#include "sheetview/SheetSymbols.h"

#include "SheetViewHarness.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;
using State = SheetContent::State;

class SheetContentTest : public ::testing::Test, public SheetViewHarness {
  protected:
    SheetContent& content() {
        if (!view) {
            view = std::make_unique<SheetContent>(model, services, 1.0);
            view->resize(1000, 500);
            view->show();
        }
        return *view;
    }
    const EmptyNotice* notice() { return dynamic_cast<EmptyNotice*>(content().current()); }
    int rowCount() {
        int rows = 0;
        for (const auto& placed : content().columns()->placement()) {
            rows += placed.isRow() ? 1 : 0;
        }
        return rows;
    }
    std::unique_ptr<SheetContent> view;
};

TEST_F(SheetContentTest, LoadingComesBeforeThePermissionWhichComesBeforeTheSheet) {
    setTrusted(false);
    EXPECT_EQ(content().state(), State::loading);
    loaded(makeSheet({2, 3}));
    EXPECT_EQ(content().state(), State::permission);
    ASSERT_NE(dynamic_cast<PermissionNotice*>(content().current()), nullptr);
    setTrusted(true);
    EXPECT_EQ(content().state(), State::columns);
    EXPECT_EQ(rowCount(), 5);
}

TEST_F(SheetContentTest, ThePermissionButtonAsksForAccess) {
    setTrusted(false);
    loaded(makeSheet({1}));
    auto* notice = dynamic_cast<PermissionNotice*>(content().current());
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->body()->text().startsWith("Holdsheet "));
    notice->button()->click();
    EXPECT_EQ(permissionRequests, 1);
}

TEST_F(SheetContentTest, EmptyNoticeTellsNoShortcutsFromNoMatches) {
    struct Case {
        std::vector<int> sizes;
        QString query;
        State state;
        QString symbol;
        QString title;
    };
    const Case cases[] = {
        {{}, "", State::empty, "keyboard", "No Keyboard Shortcuts"},
        {{3}, "zzz", State::empty, "magnifyingglass", "empty.search.title"},
        {{3}, "   ", State::columns, "", ""},  // spaces filter nothing
        {{}, "   ", State::empty, "magnifyingglass", "empty.search.title"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query.toStdString() + " on " + std::to_string(c.sizes.size()) + " groups");
        view.reset();
        model.setQuery(c.query);
        loaded(makeSheet(c.sizes));
        ASSERT_EQ(content().state(), c.state);
        if (c.state == State::empty) {
            ASSERT_NE(notice(), nullptr);
            EXPECT_EQ(notice()->symbol()->symbol(), c.symbol);
            const QString expected = c.title == "empty.search.title"
                                         ? localization.localized("empty.search.title")
                                         : c.title;
            EXPECT_EQ(notice()->title()->text(), expected);
        } else {
            EXPECT_EQ(rowCount(), 3);
        }
    }
}

TEST_F(SheetContentTest, ColumnsFollowTheWidthAndTheFilterNarrowsThem) {
    loaded(makeSheet({4, 4, 4, 4}));
    EXPECT_EQ(content().columnCount(), 3);  // (1000 - 40) / 255
    content().resize(1400, 500);
    EXPECT_EQ(content().columnCount(), 5);
    EXPECT_EQ(content().columns()->columns().size(), 5u);
    model.setQuery("Item 2.");
    EXPECT_EQ(rowCount(), 4);
    model.setQuery("");
    EXPECT_EQ(rowCount(), 16);
}

TEST_F(SheetContentTest, ReportsTheColumnsHeightOnlyWhileNotSearching) {
    content();  // open and loading, as the panel is when the sheet arrives
    settle();
    loaded(makeSheet({40, 2}));  // taller than the area: it scrolls
    settle();
    const double measured = content().columns()->height();
    EXPECT_GT(measured, 100);
    EXPECT_EQ(model.contentHeight(), measured);

    // A search leaves fewer rows, and a different height, but the panel keeps its size.
    model.setQuery("Item 2.1");
    settle();
    EXPECT_LT(content().columns()->height(), measured);
    EXPECT_EQ(model.contentHeight(), measured);
    model.setQuery(" ");
    settle();
    EXPECT_EQ(model.contentHeight(), measured);
}

TEST_F(SheetContentTest, ScrollsOnlyWhenTheSheetIsTallerThanTheArea) {
    for (const auto& [sizes, scrolls] :
         {std::pair{std::vector<int>{13, 2}, false}, std::pair{std::vector<int>{60}, true}}) {
        view.reset();
        loaded(makeSheet(sizes));
        content();
        settle();
        auto* scroll = dynamic_cast<QScrollArea*>(content().current());
        ASSERT_NE(scroll, nullptr);
        EXPECT_EQ(scroll->verticalScrollBar()->isVisible(), scrolls) << sizes.size();
    }
}

TEST_F(SheetContentTest, TheColumnsLetThePanelsBackdropShowThrough) {
    loaded(makeSheet({2}));
    content();
    settle();
    QImage image(content().size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    content().render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(qAlpha(image.pixel(image.width() - 5, image.height() - 5)), 0);
}

TEST_F(SheetContentTest, NoHeightIsReportedWithoutColumns) {
    loaded(makeSheet({}));
    content();
    settle();
    EXPECT_EQ(model.contentHeight(), SheetModel::initialContentHeight);
}

TEST_F(SheetContentTest, RowsRunTheirCommandUnlessDisabled) {
    ShortcutSheet sheet;
    sheet.groups.push_back({QUuid::createUuid(),
                            "File",
                            {makeItem("New", "⌘", "N"), makeItem("Close", "⌘", "W", false)}});
    loaded(sheet);
    ColumnsView* columns = content().columns();
    ASSERT_EQ(columns->placement().size(), 3u);  // the title, then the two rows
    columns->activate(1);
    columns->activate(2);
    EXPECT_EQ(ran, std::vector<QString>{"New"});
}

}  // namespace
}  // namespace holdsheet
