#include "prefs/Preferences.h"

#include "support/MemoryPreferenceStore.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

namespace holdsheet {
namespace {

using testing::MemoryPreferenceStore;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// Each setting as QVariants, so one table holds settings of every kind. The key names are
// spelled out here on purpose: they are those of users' settings files.
struct Setting {
    using Read = std::function<QVariant(const Preferences&)>;
    using Write = std::function<void(Preferences&)>;
    const char* key;
    Read read;
    Write write;  // writes `good`
    QVariant fallback;
    QVariant good;
    QVariantList wrong;  // each stored, reads as the fallback
};

template <typename T>
Setting::Read reads(T (Preferences::*get)() const) {
    return [get](const Preferences& p) {
        if constexpr (std::is_enum_v<T>) {
            return rawValue((p.*get)());
        } else {
            return QVariant((p.*get)());
        }
    };
}

template <typename A, typename V>
Setting::Write writes(void (Preferences::*set)(A), V value) {
    return [set, value](Preferences& p) { (p.*set)(value); };
}

using P = Preferences;

const Setting settings[] = {
    {"hasOnboarded", reads(&P::hasOnboarded), writes(&P::setHasOnboarded, true), false, true,
     QVariantList{"yes"}},
    // Raw values are case-sensitive.
    {"theme", reads(&P::theme), writes(&P::setTheme, AppTheme::dark), "system", "dark",
     QVariantList{"purple", "Dark"}},
    {"material", reads(&P::material), writes(&P::setMaterial, PanelMaterial::solid), "liquidGlass",
     "solid", QVariantList{3.0}},
    {"glassAmount", reads(&P::glassAmount), writes(&P::setGlassAmount, 0.2), 0.65, 0.2,
     QVariantList{"lots"}},
    {"textSize", reads(&P::textSize), writes(&P::setTextSize, TextSize::large), "medium", "large",
     QVariantList{"Large"}},
    {"holdLevel", reads(&P::holdLevel), writes(&P::setHoldLevel, 3.0), 6.0, 3.0, QVariantList{"8"}},
    {"holdKey", reads(&P::holdKey), writes(&P::setHoldKey, HoldKey::alt), "super", "alt",
     QVariantList{"hyper", "Control"}},
    {"closeOnRelease", reads(&P::closeOnRelease), writes(&P::setCloseOnRelease, true), false, true,
     QVariantList{QStringList{"true"}}},
    {"showMenuBarIcon", reads(&P::showMenuBarIcon), writes(&P::setShowMenuBarIcon, false), true,
     false, QVariantList{"off"}},
    {"language", reads(&P::language), writes(&P::setLanguage, QString("pt-BR")), "system", "pt-BR",
     QVariantList{"", 7.0}},
    {"showSystemShortcuts", reads(&P::showSystemShortcuts),
     writes(&P::setShowSystemShortcuts, false), true, false, QVariantList{"maybe"}},
    {"showDisabled", reads(&P::showDisabled), writes(&P::setShowDisabled, false), true, false,
     QVariantList{QStringList{}}},
    {"excludedApps", reads(&P::excludedApps),
     writes(&P::setExcludedApps, QStringList{"org.gnome.Terminal", "firefox"}), QStringList(),
     QStringList{"org.gnome.Terminal", "firefox"}, QVariantList{"org.gnome.Terminal"}},
    {"hadAccessibilityAccess", reads(&P::hadAccessibilityAccess),
     writes(&P::setHadAccessibilityAccess, true), false, true, QVariantList{"true"}},
};

// The setters write the stored format, once, and what they write reads back.
TEST(Preferences, ValuesAreWrittenAndReadAndAbsentOrWrongOnesReadAsTheDefault) {
    for (const Setting& s : settings) {
        MemoryPreferenceStore store;
        int heard = 0;
        const auto subscription = store.observe([&] { ++heard; });
        Preferences prefs(store);
        EXPECT_EQ(s.read(prefs), s.fallback) << s.key << " absent";
        s.write(prefs);
        EXPECT_EQ(store.object(s.key), s.good) << s.key;
        EXPECT_EQ(heard, 1) << s.key;
        EXPECT_EQ(s.read(prefs), s.good) << s.key;
        for (const QVariant& wrong : s.wrong) {
            store.set(s.key, wrong);
            EXPECT_EQ(s.read(prefs), s.fallback)
                << s.key << " = " << wrong.toString().toStdString();
        }
    }
    // Numbers count as flags, as the platform reads them.
    MemoryPreferenceStore numbers;
    numbers.set("hasOnboarded", 1.0);
    numbers.set("showMenuBarIcon", 0.0);
    EXPECT_TRUE(Preferences(numbers).hasOnboarded());
    EXPECT_FALSE(Preferences(numbers).showMenuBarIcon());
}

TEST(Preferences, NumbersStayWithinTheirRanges) {
    const struct {
        double stored;
        double glass;
        double level;
    } cases[] = {
        {0.0, 0.0, 0.0},    {1.0, 1.0, 1.0},   {0.85, 0.85, 0.85}, {-0.01, 0.0, 0.0},
        {1.5, 1.0, 1.5},    {26.0, 1.0, 26.0}, {26.5, 1.0, 26.0},  {1e308, 1.0, 26.0},
        {-1e308, 0.0, 0.0}, {nan, 0.65, 6.0},  {inf, 0.65, 6.0},   {-inf, 0.65, 6.0},
    };
    for (const auto& c : cases) {
        MemoryPreferenceStore stored;
        stored.set("glassAmount", c.stored);
        stored.set("holdLevel", c.stored);
        EXPECT_DOUBLE_EQ(Preferences(stored).glassAmount(), c.glass) << "stored " << c.stored;
        EXPECT_DOUBLE_EQ(Preferences(stored).holdLevel(), c.level) << "stored " << c.stored;

        // Set through the setters, a value out of range is never written.
        MemoryPreferenceStore written;
        Preferences(written).setGlassAmount(c.stored);
        Preferences(written).setHoldLevel(c.stored);
        EXPECT_EQ(written.object("glassAmount"), QVariant(c.glass)) << "set " << c.stored;
        EXPECT_EQ(written.object("holdLevel"), QVariant(c.level)) << "set " << c.stored;
    }
}

// Any stored number, however large, small or not a number, gives a delay in range.
TEST(Preferences, TheHoldDelayIsHalfASecondAndAQuarterPerLevel) {
    const struct {
        QVariant level;  // invalid: absent
        long milliseconds;
    } cases[] = {
        {{}, 2000},     {0.0, 500},  {1.0, 750},  {2.5, 1250},  // halves away from zero
        {2.49, 1000},   {-0.5, 500}, {-4.0, 500}, {25.0, 6750}, {25.5, 7000}, {26.0, 7000},
        {1000.0, 7000}, {nan, 7000}, {inf, 7000}, {-inf, 500},  {"3", 2000},  {true, 2000},
    };
    for (const auto& c : cases) {
        MemoryPreferenceStore store;
        if (c.level.isValid()) {
            store.set("holdLevel", c.level);
        }
        EXPECT_EQ(Preferences(store).holdDelay().count(), c.milliseconds)
            << c.level.toString().toStdString();
    }
}

TEST(StoredEnum, RawValuesReadBackAsTheirCases) {
    for (auto tab : allCases<SettingsTab>()) {
        EXPECT_EQ(fromRawValue<SettingsTab>(rawValue(tab)), tab);
    }
    for (auto size : allCases<TextSize>()) {
        EXPECT_EQ(fromRawValue<TextSize>(rawValue(size)), size);
    }
    EXPECT_EQ(fromRawValue<AppTheme>(""), std::nullopt);
}

TEST(PreferenceStore, ObserversHearEveryChangeUntilTheyLetGo) {
    MemoryPreferenceStore store;
    Preferences prefs(store);
    int heard = 0;
    {
        auto subscription = store.observe([&] { ++heard; });
        prefs.setTheme(AppTheme::dark);
        prefs.setTheme(AppTheme::system);
        auto moved = std::move(subscription);
        prefs.setTheme(AppTheme::light);
    }
    prefs.setTheme(AppTheme::dark);
    EXPECT_EQ(heard, 3);

    // An observer may drop its own subscription while being called.
    std::optional<PreferenceStore::Subscription> self;
    int calls = 0;
    self = store.observe([&] {
        ++calls;
        self.reset();
    });
    prefs.setTheme(AppTheme::light);
    prefs.setTheme(AppTheme::dark);
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace holdsheet
