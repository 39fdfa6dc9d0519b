#include "prefs/Preferences.h"

#include <algorithm>
#include <cmath>

namespace holdsheet {

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

double Preferences::number(const QString& key, double fallback) const {
    const auto value = store_.object(key);
    if (!value || value->metaType() != QMetaType::fromType<double>() ||
        !std::isfinite(value->toDouble())) {
        return fallback;
    }
    return value->toDouble();
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
    // Hand-edited text reaches colour opacities, which take 0 to 1 only.
    return std::clamp(number(Key::glassAmount, defaultGlassAmount), 0.0, 1.0);
}
TextSize Preferences::textSize() const {
    return choice(Key::textSize, TextSize::medium);
}
double Preferences::holdLevel() const {
    // The slider's range: a hand-edited level outside it would put the knob off the track.
    return std::clamp(number(Key::holdLevel, defaultHoldLevel), 0.0, 26.0);
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

}  // namespace holdsheet
