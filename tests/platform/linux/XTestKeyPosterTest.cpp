#include "platform/linux/XTestKeyPoster.h"

#include "platform/KeyCodes.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

namespace holdsheet {
namespace {

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
