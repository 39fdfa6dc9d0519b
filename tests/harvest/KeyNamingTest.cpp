#include "harvest/KeyNaming.h"

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

TEST(FlagSymbols, NameEventFlagsInTheSameOrder) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, ""},
        {0x100000, "⌘"},
        {0x20000, "⇧"},
        {0x40000, "⌃"},
        {0x80000, "⌥"},
        {0x1E0000, "⌃⌥⇧⌘"},
        {0x840000, "⌃"},           // 8650752: Control plus the numeric-pad bit
        {0xFFFFFFFF00010000, ""},  // only bits that name no modifier
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
    // The first lookups race to build the table; every thread must see it whole.
    std::vector<std::thread> threads;
    std::vector<int> named(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&named, t] {
            for (qint64 code = 0; code < 200; ++code) {
                named[t] += keyName(std::nullopt, code).has_value() ? 1 : 0;
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    int whole = 0;
    for (qint64 code = 0; code < 200; ++code) {
        whole += keyName(std::nullopt, code).has_value() ? 1 : 0;
    }
    EXPECT_GT(whole, 30);
    for (int count : named) {
        EXPECT_EQ(count, whole);
    }
}

}  // namespace
}  // namespace holdsheet
