#include "platform/gnome/GnomeWorkspace.h"

#include "platform/KeyCodes.h"
#include "platform/freedesktop/AtspiActiveWindow.h"
#include "platform/freedesktop/Keysyms.h"
#include "platform/freedesktop/WindowApplication.h"

#include <unistd.h>

namespace holdsheet {

namespace {

// A working accessibility bus answers in milliseconds; an application that does not is left
// out rather than waited for.
constexpr int accessibleTimeoutMs = 250;

}  // namespace

std::optional<RunningApplication> GnomeWorkspace::frontmostApplication() {
    if (!focus_) {
        const auto pid = accessibleActiveProcess(getpid(), accessibleTimeoutMs);
        return pid ? std::optional(applicationOfWindow(*pid, {}, {}, entries_)) : std::nullopt;
    }
    return focus_->pid > 0 ? std::optional(applicationOf(*focus_)) : std::nullopt;
}

pid_t GnomeWorkspace::ownPid() {
    return getpid();
}

std::unique_ptr<Workspace::Observation> GnomeWorkspace::observeActivations(
    ActivationObserver observer) {
    return observers_.add(std::move(observer));
}

void GnomeWorkspace::focusChanged(const FocusedWindow& window) {
    focus_ = window;
    observers_.announce(frontmostApplication());
}

RunningApplication GnomeWorkspace::applicationOf(const FocusedWindow& window) const {
    return applicationOfWindow(window.pid, window.appId, window.windowClass, entries_);
}

std::vector<quint32> keysymsOfKeys(std::uint16_t keyCode, std::uint64_t flags) {
    const quint32 key = keysymOfVirtualKey(keyCode);
    if (key == 0) {
        return {};
    }
    // Control_L, Alt_L, Shift_L, Super_L.
    const std::pair<std::uint64_t, quint32> modifiers[] = {{ModifierFlag::control, 0xffe3},
                                                           {ModifierFlag::option, 0xffe9},
                                                           {ModifierFlag::shift, 0xffe1},
                                                           {ModifierFlag::command, 0xffeb}};
    std::vector<quint32> keysyms;
    for (const auto& [bit, keysym] : modifiers) {
        if (flags & bit) {
            keysyms.push_back(keysym);
        }
    }
    keysyms.push_back(key);
    return keysyms;
}

void GnomeKeyPoster::postKeys(std::uint16_t keyCode, std::uint64_t flags) {
    const std::vector<quint32> keysyms = keysymsOfKeys(keyCode, flags);
    // A key that cannot be posted fails silently, as every performance does.
    if (!keysyms.empty()) {
        extension_.postKeys(keysyms, [](bool) {});
    }
}

}  // namespace holdsheet
