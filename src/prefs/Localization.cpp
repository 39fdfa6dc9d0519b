#include "prefs/Localization.h"

#include "prefs/Languages.h"
#include "prefs/Preferences.h"

#include <QTranslator>

namespace holdsheet {

namespace {

const QString english = QStringLiteral("en");

bool isRightToLeft(const QString& code) {
    return code == QLatin1String("ar") || code == QLatin1String("he");
}

// A desktop language tag ("pt-BR", "zh_TW", "de-AT", "nb-NO") as one of our catalogue codes.
std::optional<QString> catalogueFor(QString tag) {
    tag.replace(QLatin1Char('_'), QLatin1Char('-'));
    if (hasCatalogue(tag)) {
        return tag;
    }
    const QLocale locale(tag);
    if (locale.language() == QLocale::Chinese) {
        const bool traditional = locale.script() == QLocale::TraditionalChineseScript ||
                                 tag.contains(QLatin1String("TW")) ||
                                 tag.contains(QLatin1String("HK")) ||
                                 tag.contains(QLatin1String("MO"));
        return traditional ? QStringLiteral("zh-Hant") : QStringLiteral("zh-Hans");
    }
    const QString language = tag.section(QLatin1Char('-'), 0, 0).toLower();
    if (language == QLatin1String("pt")) {
        return QStringLiteral("pt-BR");
    }
    if (language == QLatin1String("no") || language == QLatin1String("nn")) {
        return QStringLiteral("nb");
    }
    if (hasCatalogue(language)) {
        return language;
    }
    return std::nullopt;
}

}  // namespace

Catalogue::Catalogue(QString code, std::unique_ptr<QTranslator> translator)
    : code_(std::move(code)), translator_(std::move(translator)) {}
Catalogue::~Catalogue() = default;

std::shared_ptr<const Catalogue> Catalogue::load(const QString& code) {
    if (!hasCatalogue(code)) {
        return nullptr;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/holdsheet_%1.qm").arg(code))) {
        return nullptr;
    }
    return std::make_shared<const Catalogue>(code, std::move(translator));
}

QString Catalogue::text(const QString& key, int count) const {
    // Catalogues are id-based: the key is the message id, with no context.
    return translator_->translate(nullptr, key.toUtf8().constData(), nullptr, count);
}

Localization::System Localization::currentSystem() {
    return {[] { return QLocale::system().uiLanguages(); }, [] { return QLocale::system(); }};
}

Localization::Localization(PreferenceStore& store, System system)
    : store_(store), system_(std::move(system)) {}

QString Localization::storedLanguage() const {
    return Preferences(store_).language();
}

QString Localization::systemCatalogueCode() const {
    for (const QString& tag : system_.uiLanguages()) {
        if (auto code = catalogueFor(tag)) {
            return *code;
        }
    }
    return english;
}

std::shared_ptr<const Catalogue> Localization::languageBundle() const {
    const QString language = storedLanguage();
    std::lock_guard lock(mutex_);
    if (cachedLanguage_ == language && cachedBundle_) {
        return cachedBundle_;
    }
    cachedLanguage_ = language;
    // Tables stay loaded once loaded: switching back is free, and a table still in use on
    // another thread is never destroyed under it.
    auto loaded = [this](const QString& code) {
        auto& slot = loaded_[code];
        if (!slot) {
            slot = Catalogue::load(code);
        }
        return slot;
    };
    std::shared_ptr<const Catalogue> bundle;
    if (language != QLatin1String("system")) {
        bundle = loaded(language);
    }
    // "system", or a code without a catalogue: the table the desktop's languages choose.
    if (!bundle) {
        bundle = loaded(systemCatalogueCode());
    }
    if (!bundle) {
        bundle = loaded(english);
    }
    cachedBundle_ = bundle;
    return bundle;
}

QString Localization::localized(const QString& key) const {
    const auto bundle = languageBundle();
    const QString text = bundle ? bundle->text(key) : QString();
    return text.isEmpty() ? key : text;
}

QString Localization::localized(const QString& key, int count) const {
    const auto bundle = languageBundle();
    QString text = bundle ? bundle->text(key, count) : QString();
    if (text.isEmpty()) {
        text = key;
    }
    return text.replace(QLatin1String("%n"), appLocale().toString(count));
}

QLocale Localization::appLocale() const {
    const QString language = storedLanguage();
    if (language == QLatin1String("system")) {
        return system_.locale();
    }
    return QLocale(language);
}

Qt::LayoutDirection Localization::layoutDirection() const {
    const QString language = storedLanguage();
    if (language != QLatin1String("system")) {
        return isRightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight;
    }
    QString code = QLocale::languageToCode(system_.locale().language());
    if (code.isEmpty() || system_.locale().language() == QLocale::C) {
        code = english;
    }
    return isRightToLeft(code) ? Qt::RightToLeft : Qt::LeftToRight;
}

}  // namespace holdsheet
