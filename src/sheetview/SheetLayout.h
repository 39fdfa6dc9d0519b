#pragma once

#include "harvest/ShortcutModel.h"
#include "prefs/StoredEnum.h"

#include <vector>

namespace holdsheet {

// The sheet scale of a text size: every font size of the sheet is multiplied by it.
double textSizeFactor(TextSize size);

// How many columns (2 to 5) fit a content width at a sheet scale.
int columnCountForWidth(double width, double scale);

// The groups spread over max(columnCount, 1) columns, balanced by weight (items + 2.2), in
// order: each group goes to the column in which its middle falls, and is never split.
std::vector<std::vector<ShortcutGroup>> splitIntoColumns(const std::vector<ShortcutGroup>& groups,
                                                         int columnCount);

}  // namespace holdsheet
