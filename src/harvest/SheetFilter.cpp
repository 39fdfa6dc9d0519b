#include "harvest/SheetFilter.h"

namespace holdsheet {

namespace {

// Languages whose case rules differ from the default mapping (dotted and dotless i).
bool hasSpecialCasing(const QLocale& locale) {
    const auto language = locale.language();
    return language == QLocale::Turkish || language == QLocale::Azerbaijani ||
           language == QLocale::Lithuanian;
}

}  // namespace

std::vector<ShortcutGroup> filterGroups(const QString& query,
                                        const std::vector<ShortcutGroup>& groups,
                                        const QLocale& locale) {
    const QString trimmed = query.trimmed();
    if (trimmed.isEmpty()) {
        return groups;
    }
    // Case folding is locale-neutral and fast; only where the locale has its own rules do
    // both texts go through the locale's lower-casing.
    const bool special = hasSpecialCasing(locale);
    const QString needle = special ? locale.toLower(trimmed) : trimmed;
    auto contains = [&](const QString& text) {
        return special ? locale.toLower(text).contains(needle)
                       : text.contains(needle, Qt::CaseInsensitive);
    };
    std::vector<ShortcutGroup> result;
    for (const auto& group : groups) {
        if (contains(group.title)) {
            result.push_back(group);
            continue;
        }
        ShortcutGroup narrowed;
        narrowed.title = group.title;
        narrowed.subtitle = group.subtitle;
        for (const auto& item : group.items) {
            if (contains(item.title) || contains(item.modifiers + item.key)) {
                narrowed.items.push_back(item);
            }
        }
        if (!narrowed.items.empty()) {
            result.push_back(std::move(narrowed));
        }
    }
    return result;
}

}  // namespace holdsheet
