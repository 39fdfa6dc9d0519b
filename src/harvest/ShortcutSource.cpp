#include "harvest/ShortcutSource.h"

#include <QSet>

namespace holdsheet {

namespace {

QString combination(const ShortcutItem& item) {
    return item.modifiers + item.key;
}

}  // namespace

void appendNewShortcuts(std::vector<ShortcutGroup>& sheet, std::vector<ShortcutGroup> later) {
    QSet<QString> earlierKeys;
    for (const auto& group : sheet) {
        for (const auto& item : group.items) {
            earlierKeys.insert(combination(item));
        }
    }
    QSet<QString> kept;
    for (auto& group : later) {
        std::vector<ShortcutItem> items;
        for (auto& item : group.items) {
            const QString keys = combination(item);
            const QString both = keys + QLatin1Char('\n') + item.title.toCaseFolded();
            if (earlierKeys.contains(keys) || kept.contains(both)) {
                continue;
            }
            kept.insert(both);
            items.push_back(std::move(item));
        }
        if (!items.empty()) {
            group.items = std::move(items);
            sheet.push_back(std::move(group));
        }
    }
}

}  // namespace holdsheet
