#include "platform/x11/RunningDesktop.h"

#include "platform/x11/X11Connection.h"

#include <QStringList>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace holdsheet {

Desktop desktopOf(const QString& windowManagerName, const QString& currentDesktop) {
    const QString manager = windowManagerName.trimmed();
    if (!manager.isEmpty()) {
        // Cinnamon's and Budgie's forks of mutter keep their keys elsewhere: exact names.
        for (const char* gnome : {"GNOME Shell", "Mutter", "Metacity"}) {
            if (manager.compare(QLatin1String(gnome), Qt::CaseInsensitive) == 0) {
                return Desktop::gnome;
            }
        }
        if (manager.compare(QLatin1String("KWin"), Qt::CaseInsensitive) == 0) {
            return Desktop::kde;
        }
        if (manager.compare(QLatin1String("Xfwm4"), Qt::CaseInsensitive) == 0) {
            return Desktop::xfce;
        }
        if (manager.compare(QLatin1String("Openbox"), Qt::CaseInsensitive) == 0) {
            return Desktop::openbox;
        }
        return Desktop::none;
    }
    for (const QString& name : currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString desktop = name.trimmed().toLower();
        if (desktop == u"gnome") {
            return Desktop::gnome;
        }
        if (desktop == u"kde") {
            return Desktop::kde;
        }
        if (desktop == u"xfce") {
            return Desktop::xfce;
        }
        if (desktop == u"openbox") {
            return Desktop::openbox;
        }
    }
    return Desktop::none;
}

QString windowManagerName() {
    const X11Connection x11;
    if (!x11.isOpen()) {
        return {};
    }
    const unsigned long check = x11.atom("_NET_SUPPORTING_WM_CHECK");
    const auto window = cardinals(x11.display(), x11.root(), check, XA_WINDOW);
    if (window.empty() || window.front() == None) {
        return {};
    }
    // A window manager that died leaves the root's property behind, not its window's.
    const auto self = cardinals(x11.display(), window.front(), check, XA_WINDOW);
    if (self.empty() || self.front() != window.front()) {
        return {};
    }
    const QByteArray name = bytesProperty(x11.display(), window.front(), x11.atom("_NET_WM_NAME"),
                                          x11.atom("UTF8_STRING"));
    return QString::fromUtf8(name.left(256));
}

Desktop runningDesktop() {
    return desktopOf(windowManagerName(), qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
}

}  // namespace holdsheet
