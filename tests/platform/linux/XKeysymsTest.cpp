#include "platform/KeyCodes.h"
#include "platform/linux/ModifierKeys.h"
#include "platform/linux/XTestKeyPoster.h"

#include <gtest/gtest.h>

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

namespace holdsheet {
namespace {

// Modifier keys must reach the trigger as flags changes only; every other key as a press.
TEST(ModifierKeys, ModifiersAndLocksOnBothSidesAreNotKeyPresses) {
    // The ends of each range of modifiers, the keys next to them, and NoSymbol (a keycode
    // without a keysym).
    for (const unsigned long keysym :
         {XK_Shift_L, XK_Hyper_R, XK_Caps_Lock, XK_Super_L, XK_Num_Lock, XK_Mode_switch,
          XK_ISO_Lock, XK_ISO_Level3_Shift, XK_ISO_Level5_Lock, XK_ISO_Next_Group}) {
        EXPECT_TRUE(isModifierKeysym(static_cast<quint32>(keysym))) << std::hex << keysym;
    }
    for (const unsigned long keysym : {XK_F35, XK_KP_Enter, XK_Scroll_Lock, XK_ISO_Left_Tab,
                                       XK_Delete, XK_a, XF86XK_AudioMute, 0x0}) {
        EXPECT_FALSE(isModifierKeysym(static_cast<quint32>(keysym))) << std::hex << keysym;
    }
}

// The codes the sheet stores must come back as the keys they name.
TEST(XTestKeyPoster, VirtualKeysMapToKeysyms) {
    const std::pair<int, unsigned long> cases[] = {
        {53, XK_Escape}, {36, XK_Return}, {49, XK_space}, {124, XK_Right},
        {116, XK_Prior}, {122, XK_F1},    {90, XK_F20},   {VirtualKey::print, XK_Print},
        {0, XK_a},       {1, XK_s},       {50, XK_grave}, {27, XK_minus},
        {29, XK_0},      {43, XK_comma},  {65535, 0},     {-1, 0},
    };
    for (const auto& [code, symbol] : cases) {
        EXPECT_EQ(keysymOfVirtualKey(code), symbol) << "virtual key " << code;
    }
}

}  // namespace
}  // namespace holdsheet
