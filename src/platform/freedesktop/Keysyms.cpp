#include "platform/freedesktop/Keysyms.h"

#include "platform/KeyCodes.h"
#include "platform/freedesktop/KeyBindingParser.h"

#include <QHash>

#include <xkbcommon/xkbcommon.h>

#include <array>

namespace holdsheet {

bool isModifierKeysym(quint32 keysym) {
    return (keysym >= XKB_KEY_Shift_L && keysym <= XKB_KEY_Hyper_R) ||  // includes the locks
           (keysym >= XKB_KEY_ISO_Lock && keysym <= XKB_KEY_ISO_Level5_Lock) ||  // level, group
           keysym == XKB_KEY_Mode_switch || keysym == XKB_KEY_Num_Lock;
}

QString keysymName(quint32 keysym) {
    if (keysym == XKB_KEY_NoSymbol) {
        return {};
    }
    std::array<char, 64> name{};
    const int length = xkb_keysym_get_name(keysym, name.data(), name.size());
    return length > 0 ? QString::fromLatin1(name.data()) : QString();
}

int virtualKeyOfKeysym(quint32 keysym) {
    const QString name = keysymName(keysym);
    return name.isEmpty() ? -1 : virtualKeyOfKeyName(name).value_or(-1);
}

quint32 keysymOfVirtualKey(int virtualKey) {
    static const QHash<int, quint32> named = [] {
        QHash<int, quint32> table{
            {VirtualKey::returnKey, XKB_KEY_Return}, {VirtualKey::tab, XKB_KEY_Tab},
            {VirtualKey::space, XKB_KEY_space},      {VirtualKey::backspace, XKB_KEY_BackSpace},
            {VirtualKey::escape, XKB_KEY_Escape},    {VirtualKey::clear, XKB_KEY_Clear},
            {VirtualKey::enter, XKB_KEY_KP_Enter},   {VirtualKey::home, XKB_KEY_Home},
            {VirtualKey::pageUp, XKB_KEY_Prior},     {VirtualKey::forwardDelete, XKB_KEY_Delete},
            {VirtualKey::end, XKB_KEY_End},          {VirtualKey::pageDown, XKB_KEY_Next},
            {VirtualKey::left, XKB_KEY_Left},        {VirtualKey::right, XKB_KEY_Right},
            {VirtualKey::down, XKB_KEY_Down},        {VirtualKey::up, XKB_KEY_Up},
            {VirtualKey::print, XKB_KEY_Print},      {VirtualKey::insert, XKB_KEY_Insert},
            {VirtualKey::menu, XKB_KEY_Menu},
        };
        for (int number = 1; number <= 20; ++number) {
            table.insert(functionKeyVirtualKey(number),
                         XKB_KEY_F1 + static_cast<quint32>(number - 1));
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

}  // namespace holdsheet
