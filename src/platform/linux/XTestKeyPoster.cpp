#include "platform/linux/XTestKeyPoster.h"

#include "platform/KeyCodes.h"
#include "platform/linux/KeyBindingParser.h"

#include <QHash>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace holdsheet {

unsigned long keysymOfVirtualKey(int virtualKey) {
    static const QHash<int, unsigned long> named = [] {
        QHash<int, unsigned long> table{
            {VirtualKey::returnKey, XK_Return}, {VirtualKey::tab, XK_Tab},
            {VirtualKey::space, XK_space},      {VirtualKey::backspace, XK_BackSpace},
            {VirtualKey::escape, XK_Escape},    {VirtualKey::clear, XK_Clear},
            {VirtualKey::enter, XK_KP_Enter},   {VirtualKey::home, XK_Home},
            {VirtualKey::pageUp, XK_Prior},     {VirtualKey::forwardDelete, XK_Delete},
            {VirtualKey::end, XK_End},          {VirtualKey::pageDown, XK_Next},
            {VirtualKey::left, XK_Left},        {VirtualKey::right, XK_Right},
            {VirtualKey::down, XK_Down},        {VirtualKey::up, XK_Up},
            {VirtualKey::print, XK_Print},      {VirtualKey::insert, XK_Insert},
            {VirtualKey::menu, XK_Menu},
        };
        for (int number = 1; number <= 20; ++number) {
            table.insert(functionKeyVirtualKey(number),
                         XK_F1 + static_cast<unsigned long>(number - 1));
        }
        // Character keys by their place on the standard layout; ASCII keysyms are the codes.
        for (char16_t c = 0x21; c < 0x7F; ++c) {
            const int code = characterVirtualKey(QChar(c));
            if (code >= 0 && !QChar(c).isUpper() && !table.contains(code)) {
                table.insert(code, c);
            }
        }
        return table;
    }();
    return named.value(virtualKey, 0);
}

void XTestKeyPoster::postKeys(std::uint16_t keyCode, std::uint64_t flags) {
    Display* display = x11_.display();
    if (!display) {
        return;
    }
    const unsigned long symbol = keysymOfVirtualKey(keyCode);
    const KeyCode key = symbol ? XKeysymToKeycode(display, symbol) : 0;
    if (key == 0) {
        return;  // not on this keyboard
    }
    // Release every modifier key that is down.
    char keys[32] = {};
    XQueryKeymap(display, keys);
    if (XModifierKeymap* map = XGetModifierMapping(display)) {
        for (int i = 0; i < 8 * map->max_keypermod; ++i) {
            const KeyCode modifier = map->modifiermap[i];
            if (modifier && (keys[modifier / 8] & (1 << (modifier % 8)))) {
                XTestFakeKeyEvent(display, modifier, False, CurrentTime);
            }
        }
        XFreeModifiermap(map);
    }
    std::vector<KeyCode> pressed;
    const std::pair<std::uint64_t, KeySym> modifiers[] = {{ModifierFlag::control, XK_Control_L},
                                                          {ModifierFlag::option, XK_Alt_L},
                                                          {ModifierFlag::shift, XK_Shift_L},
                                                          {ModifierFlag::command, XK_Super_L}};
    for (const auto& [bit, modifierSymbol] : modifiers) {
        if (flags & bit) {
            if (const KeyCode code = XKeysymToKeycode(display, modifierSymbol)) {
                XTestFakeKeyEvent(display, code, True, CurrentTime);
                pressed.push_back(code);
            }
        }
    }
    XTestFakeKeyEvent(display, key, True, CurrentTime);
    XTestFakeKeyEvent(display, key, False, CurrentTime);
    for (auto it = pressed.rbegin(); it != pressed.rend(); ++it) {
        XTestFakeKeyEvent(display, *it, False, CurrentTime);
    }
    XFlush(display);
}

}  // namespace holdsheet
