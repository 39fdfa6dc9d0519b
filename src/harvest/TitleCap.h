#pragma once

#include "harvest/ShortcutModel.h"

#include <QString>

namespace holdsheet {

// A menu title longer than this is not a title but a flood: cut, it still says what the item
// is, and every view, search and export of it costs what a title should.
inline constexpr qsizetype titleLimit = 256;  // UTF-16 code units, the ellipsis included

// `text` when it is at most `limit` long; else its start, cut at a grapheme boundary (never
// inside a surrogate pair or a combining sequence), followed by "…". Costs O(limit), not
// O(length).
QString cappedTitle(const QString& text, qsizetype limit = titleLimit);

// Caps every group's and item's title of the sheet.
void capTitles(ShortcutSheet& sheet);

}  // namespace holdsheet
