#pragma once

#include "prefs/StoredEnum.h"

#include <QString>

#include <optional>

namespace holdsheet {

// The tab's title, a localisation key, and its symbol.
QString settingsTabTitleKey(SettingsTab tab);
QString settingsTabSymbol(SettingsTab tab);
// The tab at a position of the tab bar (0 to 3), or none.
std::optional<SettingsTab> settingsTabAt(int index);

}  // namespace holdsheet
