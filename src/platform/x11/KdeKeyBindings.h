#pragma once

#include "platform/freedesktop/DesktopBindings.h"

namespace holdsheet {

// The key bindings of KDE Plasma's global shortcuts file (kglobalshortcutsrc): per
// component group, "action=active shortcuts,default shortcuts,friendly name" (several
// shortcuts joined by tabs, "none" for none), and Plasma 6's "[services][id.desktop]"
// groups that hold the shortcuts alone. The first active shortcut of each action counts.
// Actions of the hot-key table keep its ids; the others are named by their friendly name,
// else by the action's id (a launcher by its application's id).
std::vector<DesktopBinding> kdeKeyBindings(const QByteArray& text);

}  // namespace holdsheet
