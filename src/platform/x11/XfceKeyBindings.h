#pragma once

#include "platform/freedesktop/DesktopBindings.h"

namespace holdsheet {

// The key bindings of Xfce's keyboard-shortcuts channel (xfce4-keyboard-shortcuts.xml):
// the window manager's actions ("xfwm4") and the commands ("commands"), each from its
// "custom" list when there is one, else from its "default" list, as the settings daemon
// uses them. Window-manager actions of the hot-key table keep its ids, the others read as
// words ("Cycle windows"); a command is named by its command line. None when the text is
// not that channel.
std::optional<std::vector<DesktopBinding>> xfceKeyBindings(const QByteArray& channelXml);

}  // namespace holdsheet
