#include "platform/freedesktop/WindowApplication.h"

#include "platform/posix/ProcessName.h"

#include <QIcon>

namespace holdsheet {

RunningApplication applicationOfWindow(pid_t pid, const QString& appId, const QString& windowClass,
                                       const DesktopEntryIndex& entries) {
    RunningApplication app;
    app.pid = pid;
    app.applicationId = appId.isEmpty() ? windowClass : appId;
    if (!app.applicationId.isEmpty()) {
        app.windowClasses << app.applicationId;
    }
    const auto index = entries.entries();
    const auto entry = index ? index->find(app.applicationId, app.windowClasses) : std::nullopt;
    app.name = entry                          ? entry->name
               : !app.applicationId.isEmpty() ? app.applicationId
                                              : processName(app.pid);
    if (entry && !entry->icon.isEmpty()) {
        app.icon = QIcon::fromTheme(entry->icon).pixmap(64, 64).toImage();
    }
    return app;
}

}  // namespace holdsheet
