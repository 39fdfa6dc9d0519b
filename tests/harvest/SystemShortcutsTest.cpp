#include "harvest/SystemShortcuts.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using Dict = ValueTree::Dictionary;
using Array = ValueTree::Array;

ValueTree hotKey(ValueTree enabled, Array parameters) {
    return Dict{{"enabled", std::move(enabled)},
                {"value", Dict{{"parameters", std::move(parameters)}}}};
}

ValueTree titled(const char* title, Array parameters) {
    auto entry = std::get<Dict>(hotKey(1, std::move(parameters)).data);
    entry.emplace("title", QString::fromUtf8(title));
    return entry;
}

QString bracketed(const QString& key) {
    return "[" + key + "]";
}

std::string describe(const std::optional<ShortcutGroup>& group) {
    if (!group) {
        return "none";
    }
    std::string text = group->title.toStdString() + ":";
    for (const auto& item : group->items) {
        const auto* keys = item.action.keyCombination();
        text += " " + item.title.toStdString() + " " + item.modifiers.toStdString() +
                item.key.toStdString() + " (" + std::to_string(keys ? keys->keyCode : -1) + "," +
                std::to_string(keys ? keys->flags : 0) + ")";
    }
    return text;
}

TEST(SystemGroup, BuildsItemsFromEnabledRowsInTableOrder) {
    struct Case {
        const char* what;
        std::optional<ValueTree> hotKeys;
        std::string expected;
    };
    const Case cases[] = {
        {"one row", Dict{{"64", hotKey(1, {32, 49, 1048576})}},
         "[group.system]: [sys.spotlight] ⌘␣ (49,1048576)"},
        {"flags shown by their four modifier bits, replayed whole",
         Dict{{"79", hotKey(true, {65535, 123, 8650752})}},
         "[group.system]: [sys.spaceLeft] ⌃← (123,8650752)"},
        {"table order, not dictionary order",
         Dict{{"61", hotKey(1, {32, 49, 0x40000})}, {"28", hotKey(1, {51, 20, 0x120000})}},
         "[group.system]: [sys.screenshotScreenFile] ⇧⌘3 (20,1179648) [sys.nextInputSource] ⌃␣ "
         "(49,262144)"},
        {"disabled row", Dict{{"65", hotKey(0, {32, 49, 0x180000})}}, "none"},
        {"all disabled", Dict{{"64", hotKey(0, {32, 49, 0})}, {"61", hotKey(false, {32, 49, 0})}},
         "none"},
        {"absent", std::nullopt, "none"},
        {"not a dictionary", ValueTree(Array{1, 2}), "none"},
        {"unknown ids only", Dict{{"999", hotKey(1, {32, 49, 0})}}, "none"},
        {"enabled missing", Dict{{"64", Dict{{"value", Dict{{"parameters", Array{32, 49, 0}}}}}}},
         "none"},
        {"enabled as text", Dict{{"64", hotKey("yes", {32, 49, 0})}}, "none"},
        {"too few parameters", Dict{{"64", hotKey(1, {32, 49})}}, "none"},
        {"parameter of the wrong type", Dict{{"64", hotKey(1, {"a", 49, 0})}}, "none"},
        {"no name for the key", Dict{{"64", hotKey(1, {65535, 5, 0})}}, "none"},
        {"key code beyond 16 bits", Dict{{"64", hotKey(1, {65535, 65536 + 36, 0})}}, "none"},
        {"negative key code", Dict{{"64", hotKey(1, {65535, -1, 0})}}, "none"},
        {"reals count as numbers", Dict{{"64", hotKey(1.0, {32.0, 49.0, 1048576.0})}},
         "[group.system]: [sys.spotlight] ⌘␣ (49,1048576)"},
        {"the desktop's own actions after the table's, in the order of their ids",
         Dict{{"1010", titled("Second", {65535, 122, 0x100000})},
              {"1002", titled("First", {120, 7, 0x80000})},
              {"64", hotKey(1, {32, 49, 1048576})}},
         "[group.system]: [sys.spotlight] ⌘␣ (49,1048576) First ⌥X (7,524288) Second ⌘F1 "
         "(122,1048576)"},
        {"an own title on one line", Dict{{"1000", titled("  xterm\n -e\ttop\x01 ", {120, 7, 0})}},
         "[group.system]: xterm -e top X (7,0)"},
        {"an own action without a title", Dict{{"1000", hotKey(1, {120, 7, 0})}}, "none"},
        {"a title does not rename a table row", Dict{{"64", titled("Mine", {32, 49, 0})}},
         "[group.system]: [sys.spotlight] ␣ (49,0)"},
        {"a bad row is skipped, the others stay",
         Dict{{"64", hotKey(1, {32})}, {"81", hotKey(1, {65535, 124, 0x40000})}},
         "[group.system]: [sys.spaceRight] ⌃→ (124,262144)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(describe(systemGroup(c.hotKeys, bracketed)), c.expected) << c.what;
    }
}

TEST(SystemGroup, EveryBuildMintsFreshIdsAndItemsAreEnabled) {
    const ValueTree hotKeys = Dict{{"64", hotKey(1, {32, 49, 1048576})}};
    const auto first = systemGroup(hotKeys, bracketed);
    const auto second = systemGroup(hotKeys, bracketed);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->id, second->id);
    EXPECT_NE(first->items[0].id, second->items[0].id);
    EXPECT_TRUE(first->items[0].isEnabled);
}

}  // namespace
}  // namespace holdsheet
