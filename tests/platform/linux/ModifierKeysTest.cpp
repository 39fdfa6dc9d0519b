#include "platform/linux/ModifierKeys.h"

#include <gtest/gtest.h>

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

namespace holdsheet {
namespace {

// Modifier keys must reach the trigger as flags changes only; every other key as a press.
TEST(ModifierKeys, ModifiersAndLocksOnBothSidesAreNotKeyPresses) {
    const std::pair<unsigned long, bool> cases[] = {
        {XK_Shift_L, true},
        {XK_Shift_R, true},
        {XK_Control_L, true},
        {XK_Control_R, true},
        {XK_Alt_L, true},
        {XK_Alt_R, true},
        {XK_Meta_L, true},
        {XK_Meta_R, true},
        {XK_Super_L, true},
        {XK_Super_R, true},
        {XK_Hyper_L, true},
        {XK_Hyper_R, true},
        {XK_Caps_Lock, true},
        {XK_Shift_Lock, true},
        {XK_Num_Lock, true},
        {XK_Mode_switch, true},
        {XK_ISO_Level3_Shift, true},
        {XK_ISO_Level5_Shift, true},
        {XK_ISO_Next_Group, true},
        {XK_a, false},
        {XK_n, false},
        {XK_space, false},
        {XK_Escape, false},
        {XK_Return, false},
        {XK_Tab, false},
        {XK_ISO_Left_Tab, false},
        {XK_F1, false},
        {XK_Scroll_Lock, false},
        {XK_Menu, false},
        {XK_KP_Enter, false},
        {XF86XK_AudioMute, false},
        {0, false},  // NoSymbol: a keycode with no keysym
    };
    for (const auto& [keysym, modifier] : cases) {
        EXPECT_EQ(isModifierKeysym(static_cast<quint32>(keysym)), modifier) << std::hex << keysym;
    }
}

}  // namespace
}  // namespace holdsheet
