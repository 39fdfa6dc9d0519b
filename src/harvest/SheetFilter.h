#pragma once

#include "harvest/ShortcutModel.h"

#include <QLocale>

#include <vector>

namespace holdsheet {

// The groups narrowed to a search text: a group whose title matches stays whole (same id);
// otherwise its matching items, by title or by modifiers followed by key, form a new group.
// Case is ignored by the rules of `locale`; accents count.
std::vector<ShortcutGroup> filterGroups(const QString& query,
                                        const std::vector<ShortcutGroup>& groups,
                                        const QLocale& locale = QLocale::system());

}  // namespace holdsheet
