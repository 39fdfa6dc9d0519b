#include "prefs/Preferences.h"

#include "support/MemoryPreferenceStore.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <stdexcept>
#include <string_view>

namespace holdsheet {
namespace {

using testing::MemoryPreferenceStore;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// Each reader as a QVariant, so one table holds settings of every kind. The key names are
// spelled out here on purpose: they are those of users' settings files.
struct Setting {
    const char* key;
    std::function<QVariant(const Preferences&)> read;
    QVariant fallback;
};

template <typename E>
QVariant raw(E value) {
    return rawValue(value);
}

const Setting settings[] = {
    {"hasOnboarded", [](const Preferences& p) { return QVariant(p.hasOnboarded()); }, false},
    {"theme", [](const Preferences& p) { return raw(p.theme()); }, "system"},
    {"material", [](const Preferences& p) { return raw(p.material()); }, "liquidGlass"},
    {"glassAmount", [](const Preferences& p) { return QVariant(p.glassAmount()); }, 0.65},
    {"textSize", [](const Preferences& p) { return raw(p.textSize()); }, "medium"},
    {"holdLevel", [](const Preferences& p) { return QVariant(p.holdLevel()); }, 6.0},
    {"holdKey", [](const Preferences& p) { return raw(p.holdKey()); }, "super"},
    {"closeOnRelease", [](const Preferences& p) { return QVariant(p.closeOnRelease()); }, false},
    {"showMenuBarIcon", [](const Preferences& p) { return QVariant(p.showMenuBarIcon()); }, true},
    {"language", [](const Preferences& p) { return QVariant(p.language()); }, "system"},
    {"showSystemShortcuts", [](const Preferences& p) { return QVariant(p.showSystemShortcuts()); },
     true},
    {"showDisabled", [](const Preferences& p) { return QVariant(p.showDisabled()); }, true},
    {"excludedApps", [](const Preferences& p) { return QVariant(p.excludedApps()); },
     QStringList()},
    {"hadAccessibilityAccess",
     [](const Preferences& p) { return QVariant(p.hadAccessibilityAccess()); }, false},
};

const Setting& setting(std::string_view key) {
    for (const Setting& s : settings) {
        if (key == s.key) {
            return s;
        }
    }
    throw std::invalid_argument(std::string(key));
}

TEST(Preferences, StoredValuesAreReadAndAbsentOrWrongOnesReadAsTheDefault) {
    const struct {
        const char* key;
        QVariant stored;
        QVariant read;  // invalid: the default
    } cases[] = {
        {"hasOnboarded", true, true},
        {"hasOnboarded", 1.0, true},  // numbers count as flags, as the platform reads them
        {"hasOnboarded", "yes", {}},
        {"theme", "dark", "dark"},
        {"theme", "purple", {}},
        {"theme", "Dark", {}},  // raw values are case-sensitive
        {"material", "solid", "solid"},
        {"material", 3.0, {}},
        {"glassAmount", 0.2, 0.2},
        {"glassAmount", "lots", {}},
        {"textSize", "large", "large"},
        {"textSize", "Large", {}},
        {"holdLevel", 3.0, 3.0},
        {"holdLevel", "8", {}},
        {"holdKey", "alt", "alt"},
        {"holdKey", "hyper", {}},
        {"holdKey", "Control", {}},
        {"closeOnRelease", true, true},
        {"closeOnRelease", QStringList{"true"}, {}},
        {"showMenuBarIcon", false, false},
        {"showMenuBarIcon", 0.0, false},
        {"showMenuBarIcon", "off", {}},
        {"language", "pt-BR", "pt-BR"},
        {"language", "", {}},
        {"language", 7.0, {}},
        {"showSystemShortcuts", false, false},
        {"showSystemShortcuts", "maybe", {}},
        {"showDisabled", false, false},
        {"showDisabled", QStringList{}, {}},
        {"excludedApps", QStringList{"org.gnome.Terminal", "firefox"},
         QStringList{"org.gnome.Terminal", "firefox"}},
        {"excludedApps", "org.gnome.Terminal", {}},
        {"hadAccessibilityAccess", true, true},
        {"hadAccessibilityAccess", "true", {}},
    };
    MemoryPreferenceStore empty;
    for (const Setting& s : settings) {
        EXPECT_EQ(s.read(Preferences(empty)), s.fallback) << s.key << " absent";
    }
    for (const auto& c : cases) {
        const Setting& s = setting(c.key);
        MemoryPreferenceStore store;
        store.set(c.key, c.stored);
        EXPECT_EQ(s.read(Preferences(store)), c.read.isValid() ? c.read : s.fallback)
            << c.key << " = " << c.stored.toString().toStdString();
    }
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

TEST(Preferences, SettersWriteTheStoredFormatAndObserversHearThem) {
    const struct {
        std::function<void(Preferences&)> set;
        const char* key;
        QVariant stored;
    } cases[] = {
        {[](Preferences& p) { p.setHasOnboarded(true); }, "hasOnboarded", true},
        {[](Preferences& p) { p.setTheme(AppTheme::dark); }, "theme", "dark"},
        {[](Preferences& p) { p.setMaterial(PanelMaterial::frosted); }, "material", "frosted"},
        {[](Preferences& p) { p.setGlassAmount(0.3); }, "glassAmount", 0.3},
        {[](Preferences& p) { p.setTextSize(TextSize::small); }, "textSize", "small"},
        {[](Preferences& p) { p.setHoldLevel(10); }, "holdLevel", 10.0},
        {[](Preferences& p) { p.setHoldKey(HoldKey::control); }, "holdKey", "control"},
        {[](Preferences& p) { p.setCloseOnRelease(true); }, "closeOnRelease", true},
        {[](Preferences& p) { p.setShowMenuBarIcon(false); }, "showMenuBarIcon", false},
        {[](Preferences& p) { p.setLanguage("de"); }, "language", "de"},
        {[](Preferences& p) { p.setShowSystemShortcuts(false); }, "showSystemShortcuts", false},
        {[](Preferences& p) { p.setShowDisabled(false); }, "showDisabled", false},
        {[](Preferences& p) {
             p.setExcludedApps({"a", "b"});
         },
         "excludedApps", QStringList{"a", "b"}},
        {[](Preferences& p) { p.setHadAccessibilityAccess(true); }, "hadAccessibilityAccess", true},
    };
    for (const auto& c : cases) {
        MemoryPreferenceStore store;
        int heard = 0;
        const auto subscription = store.observe([&] { ++heard; });
        Preferences prefs(store);
        c.set(prefs);
        EXPECT_EQ(store.object(c.key), c.stored) << c.key;
        EXPECT_EQ(heard, 1) << c.key;
        EXPECT_EQ(setting(c.key).read(prefs), c.stored) << c.key << " reads back";
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
