#include "platform/linux/ModifierKeys.h"

#include <gtest/gtest.h>

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

namespace holdsheet {
namespace {

// Modifier keys must reach the trigger as flags changes only; every other key as a press.
TEST(ModifierKeys, ModifiersAndLocksOnBothSidesAreNotKeyPresses) {
    // The ends of each range of modifiers, and the keys next to them.
    const std::pair<unsigned long, bool> cases[] = {
        {XK_Shift_L, true},
        {XK_Hyper_R, true},
        {XK_Caps_Lock, true},
        {XK_Super_L, true},
        {XK_Num_Lock, true},
        {XK_Mode_switch, true},
        {XK_ISO_Lock, true},
        {XK_ISO_Level3_Shift, true},
        {XK_ISO_Level5_Lock, true},
        {XK_ISO_Next_Group, true},
        {XK_F35, false},
        {XK_KP_Enter, false},
        {XK_Scroll_Lock, false},
        {XK_ISO_Left_Tab, false},
        {XK_Delete, false},
        {XK_a, false},
        {XF86XK_AudioMute, false},
        {0, false},  // NoSymbol: a keycode with no keysym
    };
    for (const auto& [keysym, modifier] : cases) {
        EXPECT_EQ(isModifierKeysym(static_cast<quint32>(keysym)), modifier) << std::hex << keysym;
    }
}

}  // namespace
}  // namespace holdsheet
