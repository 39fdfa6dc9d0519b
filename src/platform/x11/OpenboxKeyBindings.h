#pragma once

#include "platform/freedesktop/DesktopBindings.h"

namespace holdsheet {

// The key bindings of an openbox rc.xml (`<keyboard><keybind key="W-e">`), named after
// their first action: a hot-key id where the action is one of the table's (the desktop
// shown, a workspace to the left or right), else the action in words with its argument
// ("Go to desktop 2"), and for Execute the program's own name or its command line. Chains
// (a keybind inside a keybind) are left out: the sheet shows one key. None when the text
// is not an openbox configuration, as openbox then moves on to the next file.
std::optional<std::vector<DesktopBinding>> openboxKeyBindings(const QByteArray& rcXml);

// "C-A-Left" as a key; none for modifiers without a name here (Hyper, Mod3).
std::optional<MenuKey> openboxKey(const QString& chord);

}  // namespace holdsheet
