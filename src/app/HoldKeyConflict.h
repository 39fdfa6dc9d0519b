#pragma once

#include "prefs/StoredEnum.h"

namespace holdsheet {

// GNOME's window manager opens its overview on a lone Super ("overlay-key"), so holding
// Super for the sheet would open that too. Writes one line to standard error saying so, and
// how to choose another key, when Super is the hold key there.
void warnOfDesktopSuperKey(HoldKey holdKey, const QString& configurationPath);

}  // namespace holdsheet
