#pragma once

#include <QString>

#include <vector>

namespace holdsheet {

// An interface language: its code (stored as the chosen language, names its catalogue) and its name
// in the language itself.
struct Language {
    QString code;
    QString name;
};

// The 34 languages in the order the language picker lists them.
const std::vector<Language>& selectableLanguages();

bool hasCatalogue(const QString& code);

}  // namespace holdsheet
