#include "sheetview/SheetLayout.h"

#include <algorithm>
#include <cmath>

namespace holdsheet {

namespace {
constexpr double columnUnit = 255;
constexpr double widthAllowance = 40;
constexpr double groupWeightExtra = 2.2;
}  // namespace

double textSizeFactor(TextSize size) {
    switch (size) {
        case TextSize::small:
            return 0.9;
        case TextSize::medium:
            return 1.0;
        case TextSize::large:
            return 1.18;
    }
    return 1.0;
}

int columnCountForWidth(double width, double scale) {
    const double columns = (width - widthAllowance) / (columnUnit * scale);
    // Not a number (a zero scale, say) counts as the fewest columns.
    if (!(columns >= 2)) {
        return 2;
    }
    return columns >= 5 ? 5 : static_cast<int>(columns);
}

std::vector<std::vector<ShortcutGroup>> splitIntoColumns(const std::vector<ShortcutGroup>& groups,
                                                         int columnCount) {
    const int n = std::max(columnCount, 1);
    std::vector<std::vector<ShortcutGroup>> columns(static_cast<std::size_t>(n));
    double total = 0;
    for (const auto& group : groups) {
        total += static_cast<double>(group.items.size()) + groupWeightExtra;
    }
    if (groups.empty()) {
        return columns;
    }
    const double share = total / n;
    double accumulated = 0;
    for (const auto& group : groups) {
        const double weight = static_cast<double>(group.items.size()) + groupWeightExtra;
        const int index = std::min(static_cast<int>((accumulated + weight / 2) / share), n - 1);
        columns[static_cast<std::size_t>(index)].push_back(group);
        accumulated += weight;
    }
    return columns;
}

}  // namespace holdsheet
