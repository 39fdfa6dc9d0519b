#pragma once

#include <QtGlobal>

namespace holdsheet {

// Whether an X keysym is a modifier or lock key: Shift, Control, Alt, Meta, Super, Hyper,
// Caps Lock, Shift Lock, Num Lock, Mode_switch and the ISO level and group keys, both
// sides. These reach the monitors as flags changes only: delivered as key presses as well,
// the press of Super would cancel its own tap.
bool isModifierKeysym(quint32 keysym);

}  // namespace holdsheet
