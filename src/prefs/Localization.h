#pragma once

#include "platform/PreferenceStore.h"

#include <QLocale>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <mutex>

class QTranslator;

namespace holdsheet {

// One language's string table.
class Catalogue {
  public:
    // The compiled catalogue of a language code, or null when there is none.
    static std::shared_ptr<const Catalogue> load(const QString& code);

    const QString& code() const { return code_; }
    // The text of a key, or an empty text when the table lacks it.
    QString text(const QString& key, int count = -1) const;

    Catalogue(QString code, std::unique_ptr<QTranslator> translator);
    ~Catalogue();

  private:
    QString code_;
    std::unique_ptr<QTranslator> translator_;
};

// Chooses the string table, locale and writing direction from the stored language.
// Safe to use from several threads: lookups run on background tasks too.
class Localization {
  public:
    // What the desktop says: its preferred interface languages and its locale.
    struct System {
        std::function<QStringList()> uiLanguages;
        std::function<QLocale()> locale;
    };
    static System currentSystem();

    explicit Localization(PreferenceStore& store, System system = currentSystem());

    // The table that answers lookups; chosen anew only when the stored language changed.
    std::shared_ptr<const Catalogue> languageBundle() const;
    // The text of a key; a missing key reads as the key itself.
    QString localized(const QString& key) const;
    // A text with plural forms; %n stands for the count.
    QString localized(const QString& key, int count) const;
    QLocale appLocale() const;
    Qt::LayoutDirection layoutDirection() const;

    // The catalogue code that "system" means: the first preferred language with a
    // catalogue, else English.
    QString systemCatalogueCode() const;

  private:
    QString storedLanguage() const;

    PreferenceStore& store_;
    System system_;
    mutable std::mutex mutex_;  // guards the three below
    mutable std::optional<QString> cachedLanguage_;
    mutable std::shared_ptr<const Catalogue> cachedBundle_;
    mutable std::map<QString, std::shared_ptr<const Catalogue>> loaded_;
};

}  // namespace holdsheet
