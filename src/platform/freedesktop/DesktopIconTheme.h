#pragma once

#include <QString>

namespace holdsheet {

// The icon theme the desktop chose, from GNOME's interface settings; empty when unknown.
QString desktopIconThemeName();

// Lets Qt's icon lookup follow the desktop's theme where Qt's platform integration names
// none (a plain X11 session), so the sheet's symbols come from the desktop's icons.
void followDesktopIconTheme();

}  // namespace holdsheet
