#pragma once

#include <QString>
#include <QtGlobal>

namespace holdsheet {

// XKB keysyms, which X11 and Wayland keyboards share.

// Whether a keysym is a modifier or lock key: Shift, Control, Alt, Meta, Super, Hyper,
// Caps Lock, Shift Lock, Num Lock, Mode_switch and the ISO level and group keys, both
// sides. These reach the monitors as flags changes only: delivered as key presses as well,
// the press of Super would cancel its own tap.
bool isModifierKeysym(quint32 keysym);

// The virtual key code of the key-naming tables for a keysym, or -1.
int virtualKeyOfKeysym(quint32 keysym);

// The keysym of a virtual key code of the key-naming tables, or 0.
quint32 keysymOfVirtualKey(int virtualKey);

// The keysym's name ("Return", "a", "F11"), or empty for none.
QString keysymName(quint32 keysym);

}  // namespace holdsheet
