#pragma once

#include "platform/Accessibility.h"
#include "platform/PreferenceStore.h"
#include "platform/ProcessRunner.h"
#include "platform/Scheduler.h"

#include <QObject>

#include <memory>

namespace holdsheet {

// Whether the program may read other applications' menus right now: sampled at creation,
// then followed through the port's change calls, with one notification per change.
class PermissionMonitor : public QObject {
    Q_OBJECT
  public:
    static inline const QString trustChangedNotification =
        QStringLiteral("org.holdsheet.Holdsheet.accessibilityTrustChanged");
    // The desktop's accessibility settings (GNOME Settings' panel, where installed); there
    // is no input-monitoring page under X11.
    static inline const QString settingsProgram = QStringLiteral("gnome-control-center");
    static inline const QString accessibilityPanel = QStringLiteral("universal-access");

    struct Platform {
        Accessibility& ax;
        PreferenceStore& store;
        Scheduler& scheduler;
        ProcessRunner& runner;
    };

    explicit PermissionMonitor(Platform platform);
    ~PermissionMonitor() override;

    bool trusted() const { return trusted_; }
    void resetStaleGrant();
    void startWatching();
    void stopWatching();
    void prompt();
    void request();
    void openInputMonitoringSettings();

  signals:
    void trustedChanged(bool trusted);
    // The process-wide trust-changed notification (trustChangedNotification).
    void trustChanged();

  private:
    void check();
    void openAccessibilitySettings();

    Platform platform_;
    bool trusted_;
    bool watching_ = false;
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace holdsheet
