#include "prefs/HoldKeyTexts.h"

#include <array>

namespace holdsheet {

QString holdKeyName(const Localization& localization, HoldKey key) {
    switch (key) {
        case HoldKey::control:
            return localization.localized(QStringLiteral("mod.control"));
        case HoldKey::alt:
            return localization.localized(QStringLiteral("mod.option"));
        case HoldKey::super:
            break;
    }
    return localization.localized(QStringLiteral("mod.command"));
}

bool namesHoldKey(const QString& key) {
    static const std::array<QString, 7> keys = {
        QStringLiteral("settings.closeOnRelease"), QStringLiteral("settings.excluded.help"),
        QStringLiteral("settings.hold.help"),      QStringLiteral("tour.hold.body"),
        QStringLiteral("tour.hold.title"),         QStringLiteral("welcome.howto"),
        QStringLiteral("welcome.subtitle"),
    };
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

QString holdKeyText(const Localization& localization, const QString& key, HoldKey holdKey) {
    return localization.localized(key).arg(holdKeyName(localization, holdKey));
}

}  // namespace holdsheet
