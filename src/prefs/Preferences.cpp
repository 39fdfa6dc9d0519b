#include "prefs/Preferences.h"

#include <algorithm>
#include <cmath>

namespace holdsheet {

struct Preferences::Key {
    static inline const QString hasOnboarded = QStringLiteral("hasOnboarded");
    static inline const QString theme = QStringLiteral("theme");
    static inline const QString material = QStringLiteral("material");
    static inline const QString glassAmount = QStringLiteral("glassAmount");
    static inline const QString textSize = QStringLiteral("textSize");
    static inline const QString holdLevel = QStringLiteral("holdLevel");
    static inline const QString holdKey = QStringLiteral("holdKey");
    static inline const QString closeOnRelease = QStringLiteral("closeOnRelease");
    static inline const QString showMenuBarIcon = QStringLiteral("showMenuBarIcon");
    static inline const QString language = QStringLiteral("language");
    static inline const QString showSystemShortcuts = QStringLiteral("showSystemShortcuts");
    static inline const QString showDisabled = QStringLiteral("showDisabled");
    static inline const QString excludedApps = QStringLiteral("excludedApps");
    static inline const QString hadAccessibilityAccess = QStringLiteral("hadAccessibilityAccess");
};

namespace {

// Hand-edited text reaches colour opacities, which take 0 to 1 only.
double withinGlassRange(double amount) {
    return std::isfinite(amount) ? std::clamp(amount, 0.0, 1.0) : Preferences::defaultGlassAmount;
}

// A level outside the slider's range would put the knob off the track.
double withinHoldRange(double level) {
    return std::isfinite(level)
               ? std::clamp(level, Preferences::lowestHoldLevel, Preferences::highestHoldLevel)
               : Preferences::defaultHoldLevel;
}

}  // namespace

bool Preferences::flag(const QString& key, bool fallback) const {
    // Two steps, so that keys whose default is true stay true while nothing is stored.
    const auto value = store_.object(key);
    if (!value) {
        return fallback;
    }
    const bool isFlag = value->metaType() == QMetaType::fromType<bool>() ||
                        value->metaType() == QMetaType::fromType<double>();
    return isFlag ? store_.boolean(key) : fallback;
}

std::optional<double> Preferences::number(const QString& key) const {
    const auto value = store_.object(key);
    if (!value || value->metaType() != QMetaType::fromType<double>()) {
        return std::nullopt;
    }
    return value->toDouble();
}

double Preferences::finiteNumber(const QString& key, double fallback) const {
    const auto value = number(key);
    return value && std::isfinite(*value) ? *value : fallback;
}

template <typename E>
E Preferences::choice(const QString& key, E fallback) const {
    const auto text = store_.string(key);
    if (!text) {
        return fallback;
    }
    return fromRawValue<E>(*text).value_or(fallback);
}

bool Preferences::hasOnboarded() const {
    return flag(Key::hasOnboarded, false);
}
AppTheme Preferences::theme() const {
    return choice(Key::theme, AppTheme::system);
}
PanelMaterial Preferences::material() const {
    return choice(Key::material, PanelMaterial::liquidGlass);
}
double Preferences::glassAmount() const {
    return withinGlassRange(finiteNumber(Key::glassAmount, defaultGlassAmount));
}
TextSize Preferences::textSize() const {
    return choice(Key::textSize, TextSize::medium);
}
double Preferences::holdLevel() const {
    return withinHoldRange(finiteNumber(Key::holdLevel, defaultHoldLevel));
}

std::chrono::milliseconds Preferences::holdDelay() const {
    // Any stored number gives a delay in range; not a number counts as the longest.
    const double rounded = std::round(number(Key::holdLevel).value_or(defaultHoldLevel));
    const double level =
        rounded < highestHoldLevel ? std::max(rounded, lowestHoldLevel) : highestHoldLevel;
    return std::chrono::milliseconds(static_cast<long>(level * 250 + 500));
}

HoldKey Preferences::holdKey() const {
    return choice(Key::holdKey, HoldKey::super);
}
bool Preferences::closeOnRelease() const {
    return flag(Key::closeOnRelease, false);
}
bool Preferences::showMenuBarIcon() const {
    return flag(Key::showMenuBarIcon, true);
}

QString Preferences::language() const {
    const auto text = store_.string(Key::language);
    return text && !text->isEmpty() ? *text : QStringLiteral("system");
}

bool Preferences::showSystemShortcuts() const {
    return flag(Key::showSystemShortcuts, true);
}
bool Preferences::showDisabled() const {
    return flag(Key::showDisabled, true);
}
QStringList Preferences::excludedApps() const {
    return store_.stringList(Key::excludedApps).value_or(QStringList());
}
bool Preferences::hadAccessibilityAccess() const {
    return flag(Key::hadAccessibilityAccess, false);
}

void Preferences::setHasOnboarded(bool on) {
    store_.set(Key::hasOnboarded, on);
}
void Preferences::setTheme(AppTheme theme) {
    store_.set(Key::theme, rawValue(theme));
}
void Preferences::setMaterial(PanelMaterial material) {
    store_.set(Key::material, rawValue(material));
}
void Preferences::setGlassAmount(double amount) {
    store_.set(Key::glassAmount, withinGlassRange(amount));
}
void Preferences::setTextSize(TextSize size) {
    store_.set(Key::textSize, rawValue(size));
}
void Preferences::setHoldLevel(double level) {
    store_.set(Key::holdLevel, withinHoldRange(level));
}
void Preferences::setHoldKey(HoldKey key) {
    store_.set(Key::holdKey, rawValue(key));
}
void Preferences::setCloseOnRelease(bool on) {
    store_.set(Key::closeOnRelease, on);
}
void Preferences::setShowMenuBarIcon(bool on) {
    store_.set(Key::showMenuBarIcon, on);
}
void Preferences::setLanguage(const QString& language) {
    store_.set(Key::language, language);
}
void Preferences::setShowSystemShortcuts(bool on) {
    store_.set(Key::showSystemShortcuts, on);
}
void Preferences::setShowDisabled(bool on) {
    store_.set(Key::showDisabled, on);
}
void Preferences::setExcludedApps(const QStringList& ids) {
    store_.set(Key::excludedApps, ids);
}
void Preferences::setHadAccessibilityAccess(bool had) {
    store_.set(Key::hadAccessibilityAccess, had);
}

}  // namespace holdsheet
