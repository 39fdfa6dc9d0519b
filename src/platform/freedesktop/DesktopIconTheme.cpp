#include "platform/freedesktop/DesktopIconTheme.h"

#include "platform/freedesktop/GSettingsRead.h"

#include <QIcon>

namespace holdsheet {

QString desktopIconThemeName() {
    const auto names = readSettingStrings("org.gnome.desktop.interface", "icon-theme");
    return names && !names->isEmpty() ? names->first() : QString();
}

void followDesktopIconTheme() {
    const QString current = QIcon::themeName();
    if (!current.isEmpty() && current != QLatin1String("hicolor")) {
        return;  // the platform integration already follows the desktop
    }
    const QString desktop = desktopIconThemeName();
    if (!desktop.isEmpty()) {
        QIcon::setThemeName(desktop);
    }
}

}  // namespace holdsheet
