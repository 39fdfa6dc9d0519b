#include "prefs/HoldKeyTexts.h"
#include "prefs/Languages.h"
#include "prefs/Localization.h"
#include "prefs/LocalizationKeys.h"
#include "prefs/Preferences.h"
#include "support/MemoryPreferenceStore.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <thread>

namespace holdsheet {
namespace {

struct Message {
    QString source;
    QStringList translations;  // one, or one per plural form
    bool unfinished = false;
};

std::map<QString, Message> readCatalogue(const QString& code) {
    QFile file(QStringLiteral(HOLDSHEET_I18N_DIR "/holdsheet_%1.ts").arg(code));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << code.toStdString();
    QXmlStreamReader xml(&file);
    std::map<QString, Message> messages;
    QString id;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == u"message") {
            id = xml.attributes().value("id").toString();
            numerus = xml.attributes().value("numerus") == u"yes";
            EXPECT_FALSE(messages.contains(id))
                << code.toStdString() << ": twice " << id.toStdString();
            messages[id];
        } else if (xml.name() == u"source") {
            messages[id].source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages[id].unfinished = xml.attributes().value("type") == u"unfinished";
            if (!numerus) {  // plural forms come as numerusform elements inside
                const QString text = xml.readElementText();
                if (!text.trimmed().isEmpty()) {
                    messages[id].translations << text;
                }
            }
        } else if (xml.name() == u"numerusform") {
            messages[id].translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << code.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The placeholders of a text, sorted: "%1", "%2", "%n".
QStringList placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%(\\d|n)"));
    QStringList found;
    for (const auto& match : pattern.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

TEST(Catalogues, EveryLanguageHasEveryKeyAndNothingElseCompiledToo) {
    const auto& keys = localizationKeys();
    const auto english = readCatalogue("en");
    ASSERT_EQ(english.size(), keys.size());
    ASSERT_EQ(selectableLanguages().size(), 34u);
    for (const auto& language : selectableLanguages()) {
        const std::string code = language.code.toStdString();
        const auto messages = readCatalogue(language.code);
        for (const QString& key : keys) {
            auto found = messages.find(key);
            if (found == messages.end()) {
                ADD_FAILURE() << code << ": missing " << key.toStdString();
                continue;
            }
            const Message& message = found->second;
            EXPECT_FALSE(message.unfinished) << code << ": unfinished " << key.toStdString();
            ASSERT_FALSE(message.translations.isEmpty()) << code << ": empty " << key.toStdString();
            const QStringList expected = placeholders(english.at(key).source);
            for (const QString& translation : message.translations) {
                EXPECT_EQ(placeholders(translation), expected)
                    << code << ": placeholders of " << key.toStdString() << " in \""
                    << translation.toStdString() << "\"";
            }
            EXPECT_EQ(message.translations.size() > 1 || isPluralKey(key), isPluralKey(key))
                << code << ": plural forms of " << key.toStdString();
        }
        for (const auto& [id, message] : messages) {
            EXPECT_TRUE(std::find(keys.begin(), keys.end(), id) != keys.end())
                << code << ": unknown key " << id.toStdString();
            // The hold key is the user's choice: no text may name Super by itself.
            EXPECT_TRUE(id == "mod.command" || !message.translations.join(' ').contains("Super"))
                << code << ": " << id.toStdString() << " names Super itself";
        }
        if (language.code != "en") {
            EXPECT_EQ(messages.at("app.name").translations.front(), "Holdsheet") << code;
        }
        // And what was compiled from it answers every key.
        const auto catalogue = Catalogue::load(language.code);
        ASSERT_NE(catalogue, nullptr) << code;
        for (const QString& key : keys) {
            const QString text = isPluralKey(key) ? catalogue->text(key, 2) : catalogue->text(key);
            EXPECT_FALSE(text.isEmpty()) << code << " " << key.toStdString();
        }
    }
}

// Every text that names the hold key gets the chosen one, in every language.
TEST(Catalogues, TextsNameTheChosenHoldKey) {
    testing::MemoryPreferenceStore store;
    const Localization localization(store);
    for (const auto& language : selectableLanguages()) {
        const std::string code = language.code.toStdString();
        Preferences(store).setLanguage(language.code);
        const QString ctrl = localization.localized("mod.control");
        int named = 0;
        for (const QString& key : localizationKeys()) {
            if (!namesHoldKey(key)) {
                continue;
            }
            ++named;
            const QString text = holdKeyText(localization, key, HoldKey::control);
            EXPECT_TRUE(text.contains(ctrl)) << code << ": " << text.toStdString();
            EXPECT_FALSE(text.contains("%1")) << code << ": " << text.toStdString();
            EXPECT_TRUE(holdKeyText(localization, key, HoldKey::alt).contains("Alt")) << code;
        }
        EXPECT_EQ(named, 7) << "a hold-key text is not in the key list";
    }
    Preferences(store).setLanguage("en");
    EXPECT_EQ(holdKeyText(localization, "settings.excluded.help", HoldKey::super).arg("Holdsheet"),
              "Holding Super does not open Holdsheet while one of these apps is in front. Useful "
              "for apps that use the Super key themselves, such as games or remote desktops.");
}

using testing::MemoryPreferenceStore;

Localization::System systemOf(QStringList languages, const char* locale) {
    return {[languages] { return languages; }, [locale] { return QLocale(locale); }};
}

// A chosen language uses its own table and direction; "system" follows the desktop's languages
// and locale.
TEST(Localization, TablesDirectionsAndLocales) {
    struct Case {
        const char* chosen;
        QStringList languages;  // the desktop's
        const char* systemLocale;
        const char* bundle;
        Qt::LayoutDirection direction;
        const char* locale;
    };
    constexpr auto ltr = Qt::LeftToRight, rtl = Qt::RightToLeft;
    const Case cases[] = {
        {"he", {"de-DE"}, "de_DE", "he", rtl, "he_IL"},
        {"ar", {"de-DE"}, "de_DE", "ar", rtl, "ar_EG"},
        {"pt-BR", {"de-DE"}, "de_DE", "pt-BR", ltr, "pt_BR"},
        {"pt-PT", {"de-DE"}, "de_DE", "pt-PT", ltr, "pt_PT"},
        {"zh-Hant", {"de-DE"}, "de_DE", "zh-Hant", ltr, "zh_TW"},
        // No catalogue: the desktop's table, but the locale of the code all the same.
        {"is", {"de-DE"}, "de_DE", "de", ltr, "is_IS"},
        {"system", {"xx-YY", "fr-CA", "de"}, "fr_CA", "fr", ltr, "fr_CA"},
        {"system", {"zh-TW"}, "zh_TW", "zh-Hant", ltr, "zh_TW"},
        {"system", {"zh-CN"}, "zh_CN", "zh-Hans", ltr, "zh_CN"},
        {"system", {"pt"}, "pt_BR", "pt-BR", ltr, "pt_BR"},
        {"system", {"nb-NO"}, "nb_NO", "nb", ltr, "nb_NO"},
        {"system", {"he-IL"}, "he_IL", "he", rtl, "he_IL"},
        // The direction follows the locale, not the table.
        {"system", {"en-US"}, "ar_EG", "en", rtl, "ar_EG"},
        {"system", {"xx"}, "C", "en", ltr, "C"},
        {"system", {}, "en_US", "en", ltr, "en_US"},
    };
    for (const auto& c : cases) {
        MemoryPreferenceStore store;
        Preferences(store).setLanguage(c.chosen);
        const Localization l10n(store, systemOf(c.languages, c.systemLocale));
        const std::string what = std::string(c.chosen) + " " + c.languages.join(',').toStdString();
        EXPECT_EQ(l10n.languageBundle()->code(), c.bundle) << what;
        EXPECT_EQ(l10n.layoutDirection(), c.direction) << what;
        EXPECT_EQ(l10n.appLocale(), QLocale(c.locale)) << what;
    }
    MemoryPreferenceStore store;
    const Localization l10n(store, systemOf({"en"}, "en_US"));
    Preferences(store).setLanguage("pt-BR");
    const QString brazilian = l10n.localized("empty.title");
    Preferences(store).setLanguage("pt-PT");
    EXPECT_NE(l10n.localized("empty.title"), brazilian);
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
