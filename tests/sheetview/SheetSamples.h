#pragma once

#include "harvest/ShortcutModel.h"

#include <vector>

namespace holdsheet::testing {

inline ShortcutItem makeItem(const QString& title, const QString& modifiers, const QString& key,
                             bool enabled = true) {
    ShortcutItem item;
    item.title = title;
    item.modifiers = modifiers;
    item.key = key;
    item.isEnabled = enabled;
    return item;
}

// `sizes[i]` items in group i, titled "G<i>" and "Item <i>.<j>".
inline ShortcutSheet makeSheet(const std::vector<int>& sizes) {
    ShortcutSheet sheet;
    for (std::size_t g = 0; g < sizes.size(); ++g) {
        ShortcutGroup group;
        group.title = QStringLiteral("G%1").arg(g + 1);
        for (int i = 0; i < sizes[g]; ++i) {
            group.items.push_back(makeItem(QStringLiteral("Item %1.%2").arg(g + 1).arg(i + 1),
                                           QStringLiteral("⌘"), QString(QChar('A' + i % 26))));
        }
        sheet.groups.push_back(std::move(group));
    }
    return sheet;
}

}  // namespace holdsheet::testing
