#include "prefs/Localization.h"

#include "prefs/Languages.h"
#include "prefs/LocalizationKeys.h"
#include "prefs/Preferences.h"
#include "support/MemoryPreferenceStore.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace holdsheet {
namespace {

using testing::MemoryPreferenceStore;

Localization::System systemOf(QStringList languages, const char* locale) {
    return {[languages] { return languages; }, [locale] { return QLocale(locale); }};
}

TEST(Localization, ChosenLanguagesUseTheirOwnTablesAndDirection) {
    MemoryPreferenceStore store;
    const Localization l10n(store, systemOf({"de-DE"}, "de_DE"));
    struct Case {
        const char* language;
        const char* bundle;
        Qt::LayoutDirection direction;
        const char* locale;
    };
    const Case cases[] = {
        {"he", "he", Qt::RightToLeft, "he_IL"},
        {"ar", "ar", Qt::RightToLeft, "ar_EG"},
        {"pt-BR", "pt-BR", Qt::LeftToRight, "pt_BR"},
        {"pt-PT", "pt-PT", Qt::LeftToRight, "pt_PT"},
        {"zh-Hant", "zh-Hant", Qt::LeftToRight, "zh_TW"},
        // No catalogue: the desktop's table, but the locale of the code all the same.
        {"is", "de", Qt::LeftToRight, "is_IS"},
    };
    for (const auto& c : cases) {
        Preferences(store).setLanguage(c.language);
        EXPECT_EQ(l10n.languageBundle()->code(), c.bundle) << c.language;
        EXPECT_EQ(l10n.layoutDirection(), c.direction) << c.language;
        EXPECT_EQ(l10n.appLocale().name(), c.locale) << c.language;
    }
    Preferences(store).setLanguage("pt-BR");
    const QString brazilian = l10n.localized("empty.title");
    Preferences(store).setLanguage("pt-PT");
    EXPECT_NE(l10n.localized("empty.title"), brazilian);
}

TEST(Localization, SystemFollowsTheDesktopsLanguagesAndLocale) {
    MemoryPreferenceStore store;
    struct Case {
        QStringList languages;
        const char* locale;
        const char* bundle;
        Qt::LayoutDirection direction;
    };
    const Case cases[] = {
        {{"xx-YY", "fr-CA", "de"}, "fr_CA", "fr", Qt::LeftToRight},
        {{"zh-TW"}, "zh_TW", "zh-Hant", Qt::LeftToRight},
        {{"zh-CN"}, "zh_CN", "zh-Hans", Qt::LeftToRight},
        {{"pt"}, "pt_BR", "pt-BR", Qt::LeftToRight},
        {{"nb-NO"}, "nb_NO", "nb", Qt::LeftToRight},
        {{"he-IL"}, "he_IL", "he", Qt::RightToLeft},
        // The direction follows the locale, not the table.
        {{"en-US"}, "ar_EG", "en", Qt::RightToLeft},
        {{"xx"}, "C", "en", Qt::LeftToRight},
        {{}, "en_US", "en", Qt::LeftToRight},
    };
    for (const auto& c : cases) {
        const Localization l10n(store, systemOf(c.languages, c.locale));
        EXPECT_EQ(l10n.languageBundle()->code(), c.bundle) << c.languages.join(',').toStdString();
        EXPECT_EQ(l10n.layoutDirection(), c.direction) << c.locale;
        EXPECT_EQ(l10n.appLocale(), QLocale(c.locale));
    }
}

TEST(Localization, MissingKeysReadAsThemselvesAndPluralsFollowTheLanguage) {
    MemoryPreferenceStore store;
    const Localization l10n(store, systemOf({"en"}, "en_US"));
    EXPECT_EQ(l10n.localized("no.such.key"), "no.such.key");
    EXPECT_EQ(l10n.localized("app.name"), "Holdsheet");
    EXPECT_EQ(l10n.localized("header.count", 1), "1 command");
    EXPECT_EQ(l10n.localized("header.count", 7), "7 commands");

    Preferences(store).setLanguage("ru");
    // Russian has three forms: 1, 3 and 5 commands are each worded differently.
    auto noun = [&](int n) {
        const QString text = l10n.localized("header.count", n);
        EXPECT_TRUE(text.contains(QString::number(n))) << text.toStdString();
        return QString(text).remove(QString::number(n));
    };
    EXPECT_NE(noun(1), noun(3));
    EXPECT_NE(noun(3), noun(5));
    EXPECT_EQ(noun(5), noun(11));
}

TEST(Localization, LookupsStaySoundWhileTheLanguageChanges) {
    MemoryPreferenceStore store;
    const Localization l10n(store, systemOf({"en"}, "en_US"));
    std::atomic<bool> done{false};
    std::atomic<int> bad{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t) {
        readers.emplace_back([&] {
            while (!done) {
                const QString text = l10n.localized("settings.tab.general");
                if (text.isEmpty() || text == "settings.tab.general") {
                    ++bad;
                }
            }
        });
    }
    for (int round = 0; round < 200; ++round) {
        Preferences(store).setLanguage(selectableLanguages()[round % 34].code);
    }
    done = true;
    for (auto& reader : readers) {
        reader.join();
    }
    EXPECT_EQ(bad, 0);
}

}  // namespace
}  // namespace holdsheet
