#include "platform/KeyCodes.h"
#include "platform/freedesktop/Keysyms.h"

#include <gtest/gtest.h>

#include <xkbcommon/xkbcommon.h>

namespace holdsheet {
namespace {

// Modifier keys must reach the trigger as flags changes only; every other key as a press.
TEST(ModifierKeys, ModifiersAndLocksOnBothSidesAreNotKeyPresses) {
    // The ends of each range of modifiers, the keys next to them, and NoSymbol (a keycode
    // without a keysym).
    for (const unsigned long keysym :
         {XKB_KEY_Shift_L, XKB_KEY_Hyper_R, XKB_KEY_Caps_Lock, XKB_KEY_Super_L, XKB_KEY_Num_Lock,
          XKB_KEY_Mode_switch, XKB_KEY_ISO_Lock, XKB_KEY_ISO_Level3_Shift, XKB_KEY_ISO_Level5_Lock,
          XKB_KEY_ISO_Next_Group}) {
        EXPECT_TRUE(isModifierKeysym(static_cast<quint32>(keysym))) << std::hex << keysym;
    }
    for (const unsigned long keysym :
         {XKB_KEY_F35, XKB_KEY_KP_Enter, XKB_KEY_Scroll_Lock, XKB_KEY_ISO_Left_Tab, XKB_KEY_Delete,
          XKB_KEY_a, XKB_KEY_XF86AudioMute, 0x0}) {
        EXPECT_FALSE(isModifierKeysym(static_cast<quint32>(keysym))) << std::hex << keysym;
    }
}

// The codes the sheet stores must come back as the keys they name.
TEST(Keysyms, VirtualKeysMapToKeysyms) {
    const std::pair<int, unsigned long> cases[] = {
        {53, XKB_KEY_Escape}, {36, XKB_KEY_Return},
        {49, XKB_KEY_space},  {124, XKB_KEY_Right},
        {116, XKB_KEY_Prior}, {122, XKB_KEY_F1},
        {90, XKB_KEY_F20},    {VirtualKey::print, XKB_KEY_Print},
        {0, XKB_KEY_a},       {1, XKB_KEY_s},
        {50, XKB_KEY_grave},  {27, XKB_KEY_minus},
        {29, XKB_KEY_0},      {43, XKB_KEY_comma},
        {65535, 0},           {-1, 0},
    };
    for (const auto& [code, symbol] : cases) {
        EXPECT_EQ(keysymOfVirtualKey(code), symbol) << "virtual key " << code;
        // And back, as keys seen on either display server are named.
        if (symbol != 0) {
            EXPECT_EQ(virtualKeyOfKeysym(symbol), code) << keysymName(symbol).toStdString();
        }
    }
    EXPECT_EQ(virtualKeyOfKeysym(XKB_KEY_NoSymbol), -1);
    EXPECT_EQ(virtualKeyOfKeysym(XKB_KEY_XF86AudioMute), -1);
}

}  // namespace
}  // namespace holdsheet
