#include "export/Pagination.h"

#include "sheetview/SheetSamples.h"

#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

// A document in short: columns as "Title rows" per group ("+" after a continued title, "-"
// for an empty column), " / " between columns, " // " between pages.
std::string shape(const std::vector<PDFPage>& pages) {
    QStringList pageTexts;
    for (const PDFPage& page : pages) {
        QStringList columnTexts;
        for (const auto& column : page.columns) {
            QStringList runs;
            int rows = 0;
            QString title;
            const auto close = [&] {
                if (!title.isNull()) {
                    runs << QStringLiteral("%1 %2").arg(title).arg(rows);
                }
            };
            for (const PDFEntry& entry : column) {
                if (const auto* header = std::get_if<PDFHeader>(&entry)) {
                    close();
                    title = header->title + (header->continued ? QStringLiteral("+") : QString());
                    rows = 0;
                } else {
                    ++rows;
                }
            }
            close();
            columnTexts << (runs.isEmpty() ? QStringLiteral("-") : runs.join(QStringLiteral(", ")));
        }
        pageTexts << columnTexts.join(QStringLiteral(" / "));
    }
    return pageTexts.join(QStringLiteral(" // ")).toStdString();
}

TEST(Pagination, LaysGroupsOutInColumnsOfFixedHeights) {
    struct Case {
        const char* name;
        std::vector<int> sizes;  // of groups G1, G2 ...
        const char* shape;
    };
    const Case cases[] = {
        {"no groups: one page with one empty column", {}, "-"},
        {"a header and 28 rows fill a first-page column", {28}, "G1 28"},
        {"the 29th row opens a column under a continued title", {29}, "G1 28 / G1+ 1"},
        {"100 rows alone", {100}, "G1 28 / G1+ 28 / G1+ 28 // G1+ 16"},
        {"later pages hold 31 rows a column",
         {84 + 31 + 1},
         "G1 28 / G1+ 28 / G1+ 28 // G1+ 31 / G1+ 1"},
        // 28 + 27 × 14 = 406; 406 + 28 + 14 > 425.28.
        {"27 rows leave no room for a title and its row", {27, 1}, "G1 27 / G2 1"},
        {"a title needs room for its first two rows", {25, 2}, "G1 25 / G2 2"},
        {"room for a title and two rows keeps the group in the column",
         {24, 3},
         "G1 24, G2 2 / G2+ 1"},
        {"a group after a full page starts the next one, not continued",
         {84, 1},
         "G1 28 / G1+ 28 / G1+ 28 // G2 1"},
        {"several groups share a column", {3, 4, 0}, "G1 3, G2 4, G3 0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shape(paginate(testing::makeSheet(c.sizes).groups)), c.shape) << c.name;
    }
}

TEST(Pagination, PagesAreNumberedInOrderWithTheirOwnIdsAndKeepTheItems) {
    const auto groups = testing::makeSheet(std::vector<int>(120, 2)).groups;
    const auto pages = paginate(groups);
    ASSERT_GT(pages.size(), 3u);
    QSet<QUuid> ids;
    std::vector<QUuid> itemIds;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].index, static_cast<int>(i));
        EXPECT_LE(pages[i].columns.size(), 3u);
        ids.insert(pages[i].id);
        for (const auto& column : pages[i].columns) {
            for (const PDFEntry& entry : column) {
                if (const auto* item = std::get_if<ShortcutItem>(&entry)) {
                    itemIds.push_back(item->id);
                }
            }
        }
    }
    EXPECT_EQ(ids.size(), static_cast<qsizetype>(pages.size()));
    std::vector<QUuid> expected;
    for (const auto& g : groups) {
        for (const auto& item : g.items) {
            expected.push_back(item.id);
        }
    }
    EXPECT_EQ(itemIds, expected) << "every item once, in sheet order";
}

}  // namespace
}  // namespace holdsheet
