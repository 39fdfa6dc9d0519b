#include "sheetview/SheetLayout.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

TEST(SheetLayout, ColumnCountsForWidths) {
    struct Case {
        double width;
        int small, medium, large;
    };
    const Case cases[] = {
        {500, 2, 2, 2},  {800, 3, 2, 2}, {1000, 4, 3, 3}, {1200, 5, 4, 3},
        {1400, 5, 5, 4}, {0, 2, 2, 2},   {-100, 2, 2, 2}, {100000, 5, 5, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(columnCountForWidth(c.width, 0.9), c.small) << c.width;
        EXPECT_EQ(columnCountForWidth(c.width, 1.0), c.medium) << c.width;
        EXPECT_EQ(columnCountForWidth(c.width, 1.18), c.large) << c.width;
    }
    EXPECT_EQ(columnCountForWidth(1000, 0), 5);  // a zero scale: infinitely many fit
}

// Column contents as item counts of the groups, e.g. {{10}, {3, 8}, {1, 5}}.
std::vector<std::vector<int>> split(const std::vector<int>& itemCounts, int columns) {
    std::vector<ShortcutGroup> groups;
    for (int count : itemCounts) {
        ShortcutGroup group;
        group.items.resize(static_cast<std::size_t>(count));
        groups.push_back(group);
    }
    std::vector<std::vector<int>> result;
    for (const auto& column : splitIntoColumns(groups, columns)) {
        result.emplace_back();
        for (const auto& group : column) {
            result.back().push_back(static_cast<int>(group.items.size()));
        }
    }
    return result;
}

using Columns = std::vector<std::vector<int>>;

TEST(SheetLayout, SplitsGroupsByWeightInOrder) {
    EXPECT_EQ(split({10, 3, 8, 1, 5}, 3), (Columns{{10}, {3, 8}, {1, 5}}));
    EXPECT_EQ(split({7}, 2), (Columns{{}, {7}}));  // the middle lies on the boundary
    EXPECT_EQ(split({7}, 3), (Columns{{}, {7}, {}}));
    EXPECT_EQ(split({4, 4, 4, 4}, 2), (Columns{{4, 4}, {4, 4}}));
    EXPECT_EQ(split({1, 1, 1, 1, 1, 1}, 4), (Columns{{1}, {1, 1}, {1}, {1, 1}}));
    EXPECT_EQ(split({}, 3), (Columns{{}, {}, {}}));
    EXPECT_EQ(split({2, 3}, 0), (Columns{{2, 3}}));
    EXPECT_EQ(split({2, 3}, -4), (Columns{{2, 3}}));
}

}  // namespace
}  // namespace holdsheet
