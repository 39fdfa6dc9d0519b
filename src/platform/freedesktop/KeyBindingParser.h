#pragma once

#include <QString>

#include <optional>

namespace holdsheet {

// The toolkits whose key-binding texts differ.
enum class Toolkit { gtk, qt, unknown };

// A key equivalent in the menu-item vocabulary of the accessibility port: a character or a
// virtual key code of the key-naming tables, and the modifier mask (Shift 1, Alt 2,
// Control 4, bit 8 set unless Super is held).
struct MenuKey {
    std::optional<QString> character;
    std::optional<int> virtualKey;
    int modifiers = 8;
};

// The key equivalent of a menu item from its AT-SPI key binding, or none when it has only
// a mnemonic, several chords, or a key that has no name here. `title` is the item's name:
// a Qt item without a shortcut reports its mnemonic ("Alt+x"), which is never a shortcut.
std::optional<MenuKey> parseKeyBinding(const QString& binding, Toolkit toolkit,
                                       const QString& title);

// One GTK accelerator ("<Primary><Shift>s", "<Super>Page_Up"), as GSettings stores them.
std::optional<MenuKey> parseAccelerator(const QString& accelerator);

// The virtual key code of a character key by its place on the standard layout (-1 when it
// has none), so that a combination can be replayed.
int characterVirtualKey(QChar character);

// The virtual key code of a key by its keysym name ("Escape" 53, "a" 0), or none.
std::optional<int> virtualKeyOfKeyName(const QString& name);

Toolkit toolkitFromName(const QString& toolkitName);

}  // namespace holdsheet
