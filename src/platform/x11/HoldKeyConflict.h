#pragma once

#include "platform/x11/RunningDesktop.h"
#include "prefs/StoredEnum.h"

#include <QStringList>

#include <optional>

namespace holdsheet {

// GNOME's window manager opens its overview on a lone Super ("overlay-key"), so holding
// Super for the sheet would open that too. The line saying so, and how to choose another
// key, when Super is the hold key on GNOME with that overlay key; empty otherwise. Only on
// GNOME: its settings stay installed under any other window manager, which ignores them.
QString desktopSuperKeyWarning(HoldKey holdKey, const QString& configurationPath, Desktop desktop,
                               const std::optional<QStringList>& overlayKey);

// Writes that line to standard error, reading the overlay key from the desktop's settings.
void warnOfDesktopSuperKey(HoldKey holdKey, const QString& configurationPath, Desktop desktop);

}  // namespace holdsheet
