#include "harvest/KeyNaming.h"
#include "harvest/SystemShortcuts.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <thread>

namespace holdsheet {
namespace {

using std::nullopt;
using OptText = std::optional<QString>;
using OptInt = std::optional<qint64>;

std::string show(const OptText& text) {
    return text ? "\"" + text->toStdString() + "\"" : std::string("none");
}

TEST(ModifierSymbols, FollowTheFixedOrderAndTheNoCommandBit) {
    const std::pair<qint64, const char*> cases[] = {
        {0, "⌘"}, {1, "⇧⌘"}, {2, "⌥⌘"},  {4, "⌃⌘"},   {6, "⌃⌥⌘"}, {7, "⌃⌥⇧⌘"},
        {8, ""},  {9, "⇧"},  {13, "⌃⇧"}, {15, "⌃⌥⇧"}, {16, "⌘"},  // unknown bits are ignored
        {24, ""},
    };
    for (const auto& [mask, expected] : cases) {
        EXPECT_EQ(modifierSymbols(mask), QString::fromUtf8(expected)) << "mask " << mask;
    }
}

// Control plus the numeric-pad bit (8650752) is Control; bits that name no modifier, nothing.
TEST(FlagSymbols, NameEventFlagsInTheSameOrder) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, ""},        {0x100000, "⌘"},    {0x20000, "⇧"},  {0x40000, "⌃"},
        {0x80000, "⌥"}, {0x1E0000, "⌃⌥⇧⌘"}, {0x840000, "⌃"}, {0xFFFFFFFF00010000, ""},
    };
    for (const auto& [flags, expected] : cases) {
        EXPECT_EQ(flagSymbols(flags), QString::fromUtf8(expected)) << "flags " << flags;
    }
}

// A few keys of each kind; letters and digits have virtual keys on the keyboard but no name.
TEST(KeyName, VirtualKeysOfNamedKeysOnly) {
    const std::pair<qint64, OptText> keys[] = {
        {36, QString("↩")},   {116, QString("⇞")},  {126, QString("↑")},
        {122, QString("F1")}, {90, QString("F20")}, {VirtualKey::print, QString("Print")},
        {0, nullopt},         {29, nullopt},        {127, nullopt},
    };
    for (const auto& [code, expected] : keys) {
        EXPECT_EQ(show(keyName(nullopt, code)), show(expected)) << "virtual key " << code;
    }
    EXPECT_EQ(keyNameForCode(65535, VirtualKey::insert), QString("Ins"));
}

TEST(KeyName, CharactersAndFallThrough) {
    struct Case {
        const char* what;
        OptText character;
        OptInt virtualKey;
        OptText expected;
    };
    const QString etx(QChar(3));
    const Case cases[] = {
        {"letter", QString("a"), nullopt, QString("A")},
        {"several letters upper-cased whole", QString("abc"), nullopt, QString("ABC")},
        {"one space", QString(" "), nullopt, QString("␣")},
        {"two spaces stay as they are", QString("  "), nullopt, QString("  ")},
        {"control character uses the virtual key", etx, 76, QString("⌤")},
        {"control character, key not in table", etx, 0, nullopt},
        {"control character, no virtual key", etx, nullopt, nullopt},
        {"DEL uses the virtual key", QString(QChar(127)), 117, QString("⌦")},
        {"empty character uses the virtual key", QString(""), 53, QString("⎋")},
        {"nothing at all", nullopt, nullopt, nullopt},
        {"first scalar decides, not the rest", QString(" x"), nullopt, QString(" X")},
        {"character wins over the virtual key", QString("q"), 36, QString("Q")},
        {"default case mapping, not the locale's", QString("i"), nullopt, QString("I")},
        {"special casing", QString::fromUtf8("ß"), nullopt, QString("SS")},
        {"non-Latin letters", QString::fromUtf8("ж"), nullopt, QString::fromUtf8("Ж")},
        {"symbol", QString("+"), nullopt, QString("+")},
        {"astral character", QString::fromUtf8("𐐨"), nullopt, QString::fromUtf8("𐐀")},
        {"lone surrogate is no scalar", QString(QChar(0xD801)), 36, QString("↩")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(show(keyName(c.character, c.virtualKey)), show(c.expected)) << c.what;
    }
}

TEST(KeyNameForCode, SystemHotKeyCodes) {
    struct Case {
        qint64 code;
        qint64 virtualKey;
        OptText expected;
    };
    const Case cases[] = {
        {65535, 122, QString("F1")},  // no character: the virtual key
        {97, 0, QString("A")},
        {32, 49, QString("␣")},
        {32, 0, QString("␣")},
        {33, 0, QString("!")},
        {65534, 0, QString(QChar(0xFFFE))},
        {0xD800, 0, nullopt},  // surrogates are no characters, and key 0 has no entry
        {0xDFFF, 36, QString("↩")},
        {0xD7FF, 0, QString(QChar(0xD7FF))},
        {0xE000, 0, QString(QChar(0xE000))},
        {31, 53, QString("⎋")},
        {0, 0, nullopt},
        {-1, 36, QString("↩")},
        {65536, 48, QString("⇥")},
        {65535, 5, nullopt},
        {0x0131, 0, QString("I")},  // dotless i, upper-cased without a locale
    };
    for (const auto& c : cases) {
        EXPECT_EQ(show(keyNameForCode(c.code, c.virtualKey)), show(c.expected))
            << "code " << c.code << " virtual key " << c.virtualKey;
    }
}

TEST(KeyName, TheTableIsSafeToBuildFromSeveralThreads) {
    const auto named = [] {
        int count = 0;
        for (qint64 code = 0; code < 200; ++code) {
            count += keyName(std::nullopt, code).has_value() ? 1 : 0;
        }
        return count;
    };
    // The first lookups race to build the table; every thread must see it whole.
    std::vector<int> counts(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&counts, &named, t] { counts[t] = named(); });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    const int whole = named();
    EXPECT_GT(whole, 30);
    for (int count : counts) {
        EXPECT_EQ(count, whole);
    }
}

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
