#include "app/HoldKeyConflict.h"

#include "platform/linux/GSettingsRead.h"

#include <QTextStream>

namespace holdsheet {

void warnOfDesktopSuperKey(HoldKey holdKey, const QString& configurationPath) {
    if (holdKey != HoldKey::super) {
        return;
    }
    const auto overlayKey = readSettingStrings("org.gnome.mutter", "overlay-key");
    if (!overlayKey || overlayKey->size() != 1 ||
        (overlayKey->front() != QLatin1String("Super_L") &&
         overlayKey->front() != QLatin1String("Super_R"))) {
        return;
    }
    QTextStream(stderr) << "holdsheet: this desktop opens its overview when " << overlayKey->front()
                        << " is pressed alone (org.gnome.mutter overlay-key), so holding Super "
                           "opens both; to hold Control or Alt instead, set holdKey=control or "
                           "holdKey=alt under [General] in "
                        << configurationPath << "\n";
}

}  // namespace holdsheet
