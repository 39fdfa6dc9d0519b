#include "prefs/Preferences.h"

#include "support/MemoryPreferenceStore.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

namespace holdsheet {
namespace {

using testing::MemoryPreferenceStore;
using Key = Preferences::Key;

void expectDefaults(const Preferences& prefs) {
    EXPECT_FALSE(prefs.hasOnboarded());
    EXPECT_EQ(prefs.theme(), AppTheme::system);
    EXPECT_EQ(prefs.material(), PanelMaterial::liquidGlass);
    EXPECT_DOUBLE_EQ(prefs.glassAmount(), 0.65);
    EXPECT_EQ(prefs.textSize(), TextSize::medium);
    EXPECT_DOUBLE_EQ(prefs.holdLevel(), 6);
    EXPECT_EQ(prefs.holdKey(), HoldKey::super);
    EXPECT_FALSE(prefs.closeOnRelease());
    EXPECT_TRUE(prefs.showMenuBarIcon());
    EXPECT_EQ(prefs.language(), "system");
    EXPECT_TRUE(prefs.showSystemShortcuts());
    EXPECT_TRUE(prefs.showDisabled());
    EXPECT_TRUE(prefs.excludedApps().isEmpty());
    EXPECT_FALSE(prefs.hadAccessibilityAccess());
}

TEST(Preferences, AnEmptyStoreReadsTheDefaults) {
    MemoryPreferenceStore store;
    expectDefaults(Preferences(store));
}

TEST(Preferences, StoredValuesOfTheRightKindAreRead) {
    MemoryPreferenceStore store;
    store.set(Key::hasOnboarded, true);
    store.set(Key::theme, "dark");
    store.set(Key::material, "solid");
    store.set(Key::glassAmount, 0.2);
    store.set(Key::textSize, "large");
    store.set(Key::holdLevel, 3.0);
    store.set(Key::holdKey, "alt");
    store.set(Key::closeOnRelease, true);
    store.set(Key::showMenuBarIcon, false);
    store.set(Key::language, "pt-BR");
    store.set(Key::showSystemShortcuts, false);
    store.set(Key::showDisabled, false);
    store.set(Key::excludedApps, QStringList{"org.gnome.Terminal", "firefox"});
    const Preferences prefs(store);
    EXPECT_TRUE(prefs.hasOnboarded());
    EXPECT_EQ(prefs.theme(), AppTheme::dark);
    EXPECT_EQ(prefs.material(), PanelMaterial::solid);
    EXPECT_DOUBLE_EQ(prefs.glassAmount(), 0.2);
    EXPECT_EQ(prefs.textSize(), TextSize::large);
    EXPECT_DOUBLE_EQ(prefs.holdLevel(), 3);
    EXPECT_EQ(prefs.holdKey(), HoldKey::alt);
    EXPECT_TRUE(prefs.closeOnRelease());
    EXPECT_FALSE(prefs.showMenuBarIcon());
    EXPECT_EQ(prefs.language(), "pt-BR");
    EXPECT_FALSE(prefs.showSystemShortcuts());
    EXPECT_FALSE(prefs.showDisabled());
    EXPECT_EQ(prefs.excludedApps(), (QStringList{"org.gnome.Terminal", "firefox"}));
}

TEST(Preferences, ValuesOfTheWrongKindReadAsTheDefault) {
    MemoryPreferenceStore store;
    store.set(Key::hasOnboarded, "yes");
    store.set(Key::theme, "purple");
    store.set(Key::material, 3.0);
    store.set(Key::glassAmount, "lots");
    store.set(Key::textSize, "Large");  // raw values are case-sensitive
    store.set(Key::holdLevel, "8");
    store.set(Key::holdKey, "hyper");
    store.set(Key::closeOnRelease, QStringList{"true"});
    store.set(Key::showMenuBarIcon, "off");
    store.set(Key::language, 7.0);
    store.set(Key::showSystemShortcuts, "maybe");
    store.set(Key::showDisabled, QStringList{});
    store.set(Key::excludedApps, "org.gnome.Terminal");
    const Preferences prefs(store);
    expectDefaults(prefs);

    store.set(Key::holdLevel, std::numeric_limits<double>::quiet_NaN());
    store.set(Key::glassAmount, std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(prefs.holdLevel(), 6);
    EXPECT_DOUBLE_EQ(prefs.glassAmount(), 0.65);
}

TEST(Preferences, NumbersStayWithinTheirRanges) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    const struct {
        double stored;
        double glass;
        double level;
    } cases[] = {
        {0.0, 0.0, 0.0},    {1.0, 1.0, 1.0},   {0.85, 0.85, 0.85}, {-0.01, 0.0, 0.0},
        {1.5, 1.0, 1.5},    {26.0, 1.0, 26.0}, {26.5, 1.0, 26.0},  {1e308, 1.0, 26.0},
        {-1e308, 0.0, 0.0}, {nan, 0.65, 6.0},  {inf, 0.65, 6.0},   {-inf, 0.65, 6.0},
    };
    MemoryPreferenceStore store;
    const Preferences prefs(store);
    for (const auto& c : cases) {
        store.set(Key::glassAmount, c.stored);
        store.set(Key::holdLevel, c.stored);
        EXPECT_DOUBLE_EQ(prefs.glassAmount(), c.glass) << "stored " << c.stored;
        EXPECT_DOUBLE_EQ(prefs.holdLevel(), c.level) << "stored " << c.stored;
    }
}

TEST(Preferences, NumbersCountAsBooleansAsThePlatformReadsThem) {
    MemoryPreferenceStore store;
    store.set(Key::showDisabled, 0.0);
    store.set(Key::hasOnboarded, 1.0);
    const Preferences prefs(store);
    EXPECT_FALSE(prefs.showDisabled());
    EXPECT_TRUE(prefs.hasOnboarded());
    store.remove(Key::showDisabled);
    EXPECT_TRUE(prefs.showDisabled());
}

TEST(StoredEnum, RawValuesCasesAndLookup) {
    EXPECT_EQ(rawValue(PanelMaterial::liquidGlass), "liquidGlass");
    EXPECT_EQ(allCases<AppTheme>().size(), 3u);
    EXPECT_EQ(allCases<SettingsTab>().back(), SettingsTab::about);
    for (auto tab : allCases<SettingsTab>()) {
        EXPECT_EQ(fromRawValue<SettingsTab>(rawValue(tab)), tab);
    }
    for (auto size : allCases<TextSize>()) {
        EXPECT_EQ(fromRawValue<TextSize>(rawValue(size)), size);
    }
    EXPECT_EQ(fromRawValue<AppTheme>("Dark"), std::nullopt);
    EXPECT_EQ(fromRawValue<AppTheme>(""), std::nullopt);
}

TEST(PreferenceStore, ObserversHearEveryChangeUntilTheyLetGo) {
    MemoryPreferenceStore store;
    int heard = 0;
    {
        auto subscription = store.observe([&] { ++heard; });
        store.set(Key::theme, "dark");
        store.remove(Key::theme);
        auto moved = std::move(subscription);
        store.set(Key::theme, "light");
    }
    store.set(Key::theme, "dark");
    EXPECT_EQ(heard, 3);

    // An observer may drop its own subscription while being called.
    std::optional<PreferenceStore::Subscription> self;
    int calls = 0;
    self = store.observe([&] {
        ++calls;
        self.reset();
    });
    store.set(Key::theme, "light");
    store.set(Key::theme, "dark");
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace holdsheet
