#include "prefs/Languages.h"

namespace holdsheet {

const std::vector<Language>& selectableLanguages() {
    static const std::vector<Language> languages = {
        {"ar", QString::fromUtf8("العربية")},
        {"ca", QString::fromUtf8("Català")},
        {"cs", QString::fromUtf8("Čeština")},
        {"da", QString::fromUtf8("Dansk")},
        {"de", QString::fromUtf8("Deutsch")},
        {"el", QString::fromUtf8("Ελληνικά")},
        {"en", QString::fromUtf8("English")},
        {"es", QString::fromUtf8("Español")},
        {"fi", QString::fromUtf8("Suomi")},
        {"fr", QString::fromUtf8("Français")},
        {"he", QString::fromUtf8("עברית")},
        {"hi", QString::fromUtf8("हिन्दी")},
        {"hr", QString::fromUtf8("Hrvatski")},
        {"hu", QString::fromUtf8("Magyar")},
        {"id", QString::fromUtf8("Bahasa Indonesia")},
        {"it", QString::fromUtf8("Italiano")},
        {"ja", QString::fromUtf8("日本語")},
        {"ko", QString::fromUtf8("한국어")},
        {"ms", QString::fromUtf8("Bahasa Melayu")},
        {"nb", QString::fromUtf8("Norsk bokmål")},
        {"nl", QString::fromUtf8("Nederlands")},
        {"pl", QString::fromUtf8("Polski")},
        {"pt-BR", QString::fromUtf8("Português (Brasil)")},
        {"pt-PT", QString::fromUtf8("Português (Portugal)")},
        {"ro", QString::fromUtf8("Română")},
        {"ru", QString::fromUtf8("Русский")},
        {"sk", QString::fromUtf8("Slovenčina")},
        {"sv", QString::fromUtf8("Svenska")},
        {"th", QString::fromUtf8("ไทย")},
        {"tr", QString::fromUtf8("Türkçe")},
        {"uk", QString::fromUtf8("Українська")},
        {"vi", QString::fromUtf8("Tiếng Việt")},
        {"zh-Hans", QString::fromUtf8("简体中文")},
        {"zh-Hant", QString::fromUtf8("繁體中文")},
    };
    return languages;
}

bool hasCatalogue(const QString& code) {
    for (const auto& language : selectableLanguages()) {
        if (language.code == code) {
            return true;
        }
    }
    return false;
}

}  // namespace holdsheet
