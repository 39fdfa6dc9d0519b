#pragma once

#include <QtGlobal>

namespace holdsheet {

// The vocabulary of keys shared by the logic and the adapters, in the numbering the sheet
// stores: modifier flags of events and combinations, the modifier mask of menu items'
// key equivalents, and virtual key codes.

// Modifier flags of events and posted combinations (device-independent bits).
namespace ModifierFlag {
constexpr quint64 capsLock = 0x10000;
constexpr quint64 shift = 0x20000;
constexpr quint64 control = 0x40000;
constexpr quint64 option = 0x80000;       // Alt
constexpr quint64 command = 0x100000;     // Super
constexpr quint64 numericPad = 0x200000;  // Num Lock
constexpr quint64 function = 0x800000;
}  // namespace ModifierFlag

// Modifier mask of a menu item's key equivalent. Command (Super) is the default: the
// `noCommand` bit says it is not held.
namespace MenuModifier {
constexpr int shift = 1;
constexpr int option = 2;  // Alt
constexpr int control = 4;
constexpr int noCommand = 8;
}  // namespace MenuModifier

// The event flags a menu modifier mask stands for.
constexpr quint64 flagsOfMenuModifiers(qint64 mask) {
    return ((mask & MenuModifier::shift) ? ModifierFlag::shift : 0) |
           ((mask & MenuModifier::option) ? ModifierFlag::option : 0) |
           ((mask & MenuModifier::control) ? ModifierFlag::control : 0) |
           ((mask & MenuModifier::noCommand) ? 0 : ModifierFlag::command);
}

// Virtual key codes of the named keys. Character keys have codes by their place on the
// standard layout; keys of Linux keyboards that the original numbering lacks (Print,
// Insert, Menu) take codes it leaves free.
namespace VirtualKey {
constexpr int returnKey = 36;
constexpr int tab = 48;
constexpr int space = 49;
constexpr int backspace = 51;
constexpr int escape = 53;
constexpr int clear = 71;
constexpr int enter = 76;  // the keypad's
constexpr int home = 115;
constexpr int pageUp = 116;
constexpr int forwardDelete = 117;
constexpr int end = 119;
constexpr int pageDown = 121;
constexpr int left = 123;
constexpr int right = 124;
constexpr int down = 125;
constexpr int up = 126;
constexpr int print = 0x100;
constexpr int insert = 0x101;
constexpr int menu = 0x102;
}  // namespace VirtualKey

// The virtual key code of function key F1 ... F20 (number 1 to 20), or -1.
constexpr int functionKeyVirtualKey(int number) {
    constexpr int codes[] = {122, 120, 99,  118, 96,  97,  98, 100, 101, 109,
                             103, 111, 105, 107, 113, 106, 64, 79,  80,  90};
    return number >= 1 && number <= 20 ? codes[number - 1] : -1;
}

}  // namespace holdsheet
