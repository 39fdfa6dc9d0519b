#include "permissions/PermissionMonitor.h"

#include "prefs/Preferences.h"

namespace holdsheet {

PermissionMonitor::PermissionMonitor(Platform platform)
    : platform_(platform), trusted_(platform.ax.isProcessTrusted()) {}

PermissionMonitor::~PermissionMonitor() {
    stopPolling();
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
    std::weak_ptr<int> alive = lifetime_;
    platform_.scheduler.detach(
        [this, alive, runner = &platform_.runner, scheduler = &platform_.scheduler] {
            for (const char* service : {"Accessibility", "ListenEvent", "PostEvent"}) {
                // A tool that cannot start is skipped; exit codes are not looked at.
                runner->run(resetTool,
                            {QStringLiteral("reset"), QString::fromLatin1(service), applicationId});
            }
            scheduler->post([this, alive] {
                if (alive.lock()) {
                    prompt();
                }
            });
        });
}

void PermissionMonitor::startPolling() {
    stopPolling();
    polling_ = std::make_shared<bool>(true);
    scheduleCycle();
}

void PermissionMonitor::scheduleCycle() {
    std::weak_ptr<int> alive = lifetime_;
    auto polling = polling_;
    task_ = platform_.scheduler.after(pollInterval, [this, alive, polling](bool) {
        // A sleep cut short by stopPolling still finishes its check, then ends.
        if (!alive.lock()) {
            return;
        }
        const bool now = platform_.ax.isProcessTrusted();
        if (now) {
            Preferences(platform_.store).setHadAccessibilityAccess(true);
        }
        if (now != trusted_) {
            trusted_ = now;
            emit trustedChanged(now);
            emit trustChanged();
        }
        if (*polling) {
            scheduleCycle();
        }
    });
}

void PermissionMonitor::stopPolling() {
    if (polling_) {
        *polling_ = false;
        polling_.reset();
    }
    if (task_) {
        task_->cancel();
        task_.reset();
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

QString codeSignatureSummary() {
    return PermissionMonitor::unknownSignature;
}

}  // namespace holdsheet
