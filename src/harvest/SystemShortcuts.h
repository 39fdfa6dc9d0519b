#pragma once

#include "harvest/ShortcutModel.h"
#include "platform/SystemHotKeys.h"

#include <functional>
#include <optional>

namespace holdsheet {

// One row of the fixed hot-key table: the hot-key id and the localisation key of its title.
struct SystemHotKeyRow {
    int id;
    const char* titleKey;
};

const std::vector<SystemHotKeyRow>& systemHotKeyRows();

// Desktop files name their actions as they like: titles are kept to one short line.
constexpr std::size_t maximumSystemItems = 200;
constexpr qsizetype maximumTitleLength = 80;
// `text` on one line (white space and control characters folded into single spaces), cut
// with an ellipsis beyond `maximumTitleLength` characters.
QString boundedTitle(const QString& text);

// The group of the desktop's shortcuts the user left enabled: the table's rows in table
// order, titled through `localized`, then the entries of other ids that carry a "title"
// text of their own (the desktop's name for the action), in the order of their ids, at
// most `maximumSystemItems` in all. None when the bindings cannot be read or none is usable.
std::optional<ShortcutGroup> systemGroup(const std::optional<ValueTree>& hotKeys,
                                         const std::function<QString(const QString&)>& localized);

}  // namespace holdsheet
