#include "platform/x11/XTestKeyPoster.h"

#include "platform/KeyCodes.h"
#include "platform/freedesktop/Keysyms.h"

#include <QHash>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace holdsheet {

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
