#pragma once

#include "platform/Accessibility.h"
#include "platform/PreferenceStore.h"
#include "platform/ProcessRunner.h"
#include "platform/Scheduler.h"
#include "platform/SharedInstance.h"

#include <QObject>

#include <memory>

namespace holdsheet {

// Whether the program may read other applications' menus right now: sampled at creation,
// polled every second, with one notification per change.
class PermissionMonitor : public QObject, public SharedInstance<PermissionMonitor> {
    Q_OBJECT
  public:
    static constexpr auto pollInterval = std::chrono::milliseconds(1000);
    static inline const QString trustChangedNotification =
        QStringLiteral("org.holdsheet.Holdsheet.accessibilityTrustChanged");
    static inline const QString applicationId = QStringLiteral("org.holdsheet.Holdsheet");
    static inline const QString resetTool = QStringLiteral("/usr/bin/tccutil");
    static inline const QString unknownSignature = QStringLiteral("ukjent");
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
    void startPolling();
    void stopPolling();
    void prompt();
    void request();
    void openInputMonitoringSettings();

  signals:
    void trustedChanged(bool trusted);
    // The process-wide trust-changed notification (trustChangedNotification).
    void trustChanged();

  private:
    void scheduleCycle();
    void openAccessibilitySettings();

    Platform platform_;
    bool trusted_;
    std::shared_ptr<Scheduler::Delay> task_;
    std::shared_ptr<bool> polling_;
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

// The program's code-signature summary for the launch log. There is no code signing on
// this desktop, so it is always the unknown text.
QString codeSignatureSummary();

}  // namespace holdsheet
