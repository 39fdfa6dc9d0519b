#include "harvest/ShortcutModel.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

TEST(ShortcutItem, CopiesKeepTheIdAndShareTheElement) {
    class Element : public AXElement {};
    auto element = std::make_shared<Element>();
    ShortcutItem item;
    item.action = ShortcutAction::menu(AXBox{element});
    const ShortcutItem copy = item;
    EXPECT_EQ(copy.id, item.id);
    EXPECT_EQ(copy.action.menuBox()->element.get(), element.get());
    EXPECT_EQ(element.use_count(), 3);  // ours, the item's and the copy's

    ShortcutItem other;
    EXPECT_NE(other.id, item.id);

    const auto keys = ShortcutAction::keys(49, 0x840000 | 0x100000);
    ASSERT_NE(keys.keyCombination(), nullptr);
    EXPECT_EQ(keys.keyCombination()->flags, 0x940000u);
    EXPECT_EQ(keys.menuBox(), nullptr);
}

}  // namespace
}  // namespace holdsheet
