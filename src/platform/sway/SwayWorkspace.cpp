#include "platform/sway/SwayWorkspace.h"

#include "platform/freedesktop/WindowApplication.h"

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
    RunningApplication app =
        applicationOfWindow(window.pid, window.appId, window.windowClass, entries_);
    app.window = static_cast<quint64>(window.id);
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
