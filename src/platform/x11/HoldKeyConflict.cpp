#include "platform/x11/HoldKeyConflict.h"

#include "platform/freedesktop/GSettingsRead.h"

#include <QTextStream>

namespace holdsheet {

QString desktopSuperKeyWarning(HoldKey holdKey, const QString& configurationPath, Desktop desktop,
                               const std::optional<QStringList>& overlayKey) {
    if (holdKey != HoldKey::super || desktop != Desktop::gnome || !overlayKey ||
        overlayKey->size() != 1 ||
        (overlayKey->front() != QLatin1String("Super_L") &&
         overlayKey->front() != QLatin1String("Super_R"))) {
        return {};
    }
    return QStringLiteral(
               "holdsheet: this desktop opens its overview when %1 is pressed alone "
               "(org.gnome.mutter overlay-key), so holding Super opens both; to hold Control or "
               "Alt instead, set holdKey=control or holdKey=alt under [General] in %2\n")
        .arg(overlayKey->front(), configurationPath);
}

void warnOfDesktopSuperKey(HoldKey holdKey, const QString& configurationPath, Desktop desktop) {
    if (holdKey != HoldKey::super || desktop != Desktop::gnome) {
        return;
    }
    const QString warning = desktopSuperKeyWarning(
        holdKey, configurationPath, desktop, readSettingStrings("org.gnome.mutter", "overlay-key"));
    if (!warning.isEmpty()) {
        QTextStream(stderr) << warning;
    }
}

}  // namespace holdsheet
