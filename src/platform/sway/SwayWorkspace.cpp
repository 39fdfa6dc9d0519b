#include "platform/sway/SwayWorkspace.h"

#include "platform/posix/ProcessName.h"

#include <QIcon>

#include <unistd.h>

namespace holdsheet {

SwayWorkspace::SwayWorkspace(SwayRequests& ipc, const DesktopEntryIndex& entries)
    : ipc_(ipc), entries_(entries) {}

std::optional<SwayWindow> SwayWorkspace::focusedWindow() {
    const auto tree = ipc_.request(sway::getTree, {});
    return tree ? focusedSwayWindow(*tree) : std::nullopt;
}

std::optional<RunningApplication> SwayWorkspace::frontmostApplication() {
    const auto window = focusedWindow();
    return window ? std::optional(applicationOf(*window)) : std::nullopt;
}

std::optional<RunningApplication> SwayWorkspace::applicationOfProcess(pid_t pid) {
    const auto tree = ipc_.request(sway::getTree, {});
    const auto window = tree ? swayWindowOfProcess(*tree, pid) : std::nullopt;
    return window ? std::optional(applicationOf(*window)) : std::nullopt;
}

RunningApplication SwayWorkspace::applicationOf(const SwayWindow& window) const {
    RunningApplication app;
    app.pid = window.pid;
    app.window = static_cast<quint64>(window.id);
    app.applicationId = window.appId.isEmpty() ? window.windowClass : window.appId;
    if (!app.applicationId.isEmpty()) {
        app.windowClasses << app.applicationId;
    }
    const auto entries = entries_.entries();
    const auto entry = entries ? entries->find(app.applicationId, app.windowClasses) : std::nullopt;
    app.name = entry                          ? entry->name
               : !app.applicationId.isEmpty() ? app.applicationId
                                              : processName(app.pid);
    if (entry && !entry->icon.isEmpty()) {
        app.icon = QIcon::fromTheme(entry->icon).pixmap(64, 64).toImage();
    }
    return app;
}

pid_t SwayWorkspace::ownPid() {
    return getpid();
}

std::unique_ptr<Workspace::Observation> SwayWorkspace::observeActivations(
    ActivationObserver observer) {
    return observers_.add(std::move(observer));
}

void SwayWorkspace::activate(const RunningApplication& application) {
    if (application.window != 0) {
        ipc_.request(sway::runCommand,
                     QStringLiteral("[con_id=%1] focus").arg(application.window).toUtf8());
    }
}

void SwayWorkspace::windowEvent(const SwayWindowEvent& event) {
    if (event.change == "focus") {
        observers_.announce(event.window ? std::optional(applicationOf(*event.window))
                                         : std::nullopt);
    }
}

}  // namespace holdsheet
