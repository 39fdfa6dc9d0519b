#pragma once

#include "platform/DesktopSession.h"

#include <QPoint>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <vector>

#include <sys/types.h>

namespace holdsheet {

// The window GNOME Shell has focused, as the extension describes it.
struct FocusedWindow {
    pid_t pid = 0;  // 0: none
    QString appId;
    QString windowClass;
    QString title;
};

// What the program asks of its GNOME Shell extension. Calls do not wait; answers come on the
// main thread, and not at all for a caller that went away.
class ShellExtensionCalls {
  public:
    static inline const QString busName = QStringLiteral("org.holdsheet.ShellExtension");
    static inline const QString objectPath = QStringLiteral("/org/holdsheet/ShellExtension");
    static inline const QString interface = QStringLiteral("org.holdsheet.ShellExtension");

    virtual ~ShellExtensionCalls() = default;
    // 'super', 'control', 'alt', or '' to stop: only the last caller hears the key.
    virtual void setHoldKey(const QString& key) = 0;
    // A lone Super held at least `ms` does not open the overview on release; -1 never.
    virtual void setSuppressOverviewAfter(int ms) = 0;
    // Moves the program's window titled `title` to `at`, keeps it above and focuses it;
    // `placed` is false when the shell knows no such window (yet).
    virtual void placePanel(const QString& title, QPoint at, std::function<void(bool)> placed) = 0;
    // Presses the keys in order and releases them in reverse, into the focused window.
    virtual void postKeys(const std::vector<quint32>& keysyms, std::function<void(bool)> done) = 0;
};

// The extension's UUID for a shell version ("43.9"): the legacy form before 45.
QString shellExtensionUuid(const QString& shellVersion);
// The state of an extension from the shell's description of it (GetExtensionInfo): none
// known is missing, ENABLED active, any other state disabled.
ShellExtensionState shellExtensionState(const QVariantMap& info);

}  // namespace holdsheet
