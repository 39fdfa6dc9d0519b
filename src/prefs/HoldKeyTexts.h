#pragma once

#include "prefs/Localization.h"
#include "prefs/StoredEnum.h"

namespace holdsheet {

// The hold key's name in the interface language ("Super", "Ctrl", "Alt").
QString holdKeyName(const Localization& localization, HoldKey key);

// Whether a text names the hold key, as its %1.
bool namesHoldKey(const QString& key);

// Such a text with the chosen key's name for %1; any later placeholder stays for the caller
// (the program's name, for one).
QString holdKeyText(const Localization& localization, const QString& key, HoldKey holdKey);

}  // namespace holdsheet
