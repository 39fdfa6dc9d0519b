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

// The group of the desktop's shortcuts the user left enabled, in table order; none when the
// bindings cannot be read or none is usable. `localized` looks up titles.
std::optional<ShortcutGroup> systemGroup(const std::optional<ValueTree>& hotKeys,
                                         const std::function<QString(const QString&)>& localized);

}  // namespace holdsheet
