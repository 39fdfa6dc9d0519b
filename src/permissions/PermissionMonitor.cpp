#include "permissions/PermissionMonitor.h"

#include "prefs/Preferences.h"

namespace holdsheet {

PermissionMonitor::PermissionMonitor(Platform platform)
    : platform_(platform), trusted_(platform.ax.isProcessTrusted()) {}

PermissionMonitor::~PermissionMonitor() {
    stopWatching();
}

void PermissionMonitor::resetStaleGrant() {
    Preferences prefs(platform_.store);
    if (platform_.ax.isProcessTrusted()) {
        prefs.setHadAccessibilityAccess(true);
        return;
    }
    if (!prefs.hadAccessibilityAccess()) {
        return;  // never held, or already repaired
    }
    prefs.setHadAccessibilityAccess(false);  // first, so the repair runs once per loss
    // Once the launch is done: the prompt may ask the user.
    platform_.scheduler.post([this, alive = std::weak_ptr<int>(lifetime_)] {
        if (alive.lock()) {
            prompt();
        }
    });
}

void PermissionMonitor::startWatching() {
    watching_ = true;
    platform_.ax.observeTrust([this] { check(); });
    if (platform_.ax.isProcessTrusted() != trusted_) {
        check();  // changed since the monitor was made
    }
}

void PermissionMonitor::check() {
    const bool now = platform_.ax.isProcessTrusted();
    if (now) {
        Preferences(platform_.store).setHadAccessibilityAccess(true);
    }
    if (now != trusted_) {
        trusted_ = now;
        emit trustedChanged(now);
        emit trustChanged();
    }
}

void PermissionMonitor::stopWatching() {
    if (watching_) {
        watching_ = false;
        platform_.ax.observeTrust({});
    }
}

void PermissionMonitor::prompt() {
    platform_.ax.isProcessTrustedWithPrompt();
}

void PermissionMonitor::request() {
    prompt();
    openAccessibilitySettings();
}

void PermissionMonitor::openInputMonitoringSettings() {
    openAccessibilitySettings();
}

void PermissionMonitor::openAccessibilitySettings() {
    // Not installed: nothing opens.
    platform_.runner.launch(settingsProgram, {accessibilityPanel});
}

}  // namespace holdsheet
