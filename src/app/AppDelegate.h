#pragma once

#include "platform/Appearance.h"
#include "platform/ApplicationControl.h"
#include "platform/PreferenceStore.h"
#include "platform/SystemLog.h"
#include "settings/SettingsServices.h"

#include <QMetaObject>
#include <QString>

#include <chrono>
#include <functional>

namespace holdsheet {

class HoldMonitor;
class PanelController;
class PermissionMonitor;

// The program's answers to its own life: the launch sequence, the look, onboarding at
// launch and when the permission arrives, reopening, and shutting down exactly once.
class AppDelegate {
  public:
    static constexpr auto exitFallback = std::chrono::milliseconds(1500);

    struct Platform {
        PreferenceStore& store;
        Appearance& appearance;
        SystemLog& log;
        ApplicationControl& application;
    };
    struct Machinery {
        PermissionMonitor& permission;
        HoldMonitor& hold;
        PanelController& panel;
    };
    // The auxiliary windows, as far as the delegate opens and closes them.
    struct Windows {
        std::function<void()> showSettings;
        std::function<void()> showWelcome;
        std::function<void()> showTour;
        std::function<void()> closeWelcome;
    };

    // `startupLine` is the launch's first line in the log.
    AppDelegate(Platform platform, Machinery machinery, Windows windows, QString startupLine);
    ~AppDelegate();
    AppDelegate(const AppDelegate&) = delete;
    AppDelegate& operator=(const AppDelegate&) = delete;

    void applicationDidFinishLaunching();
    // A second launch while running: the settings come to the front; the platform does no more.
    bool applicationShouldHandleReopen(bool hasVisibleWindows);
    static bool applicationShouldTerminateAfterLastWindowClosed() { return false; }
    void applicationWillTerminate() { shutDown(); }

    void applyTheme();
    void onTrustChanged();
    void shutDown();
    void quitApplication();

    bool didShutDown() const { return didShutDown_; }

    // "Holdsheet 2.3 (45) on sway": what a report of a problem needs to name first.
    static QString startupLine(const VersionInfo& version, const QString& session = {});

  private:
    Platform platform_;
    Machinery machinery_;
    Windows windows_;
    QString startupLine_;
    bool didShutDown_ = false;
    PreferenceStore::Subscription preferencesObserver_;
    QMetaObject::Connection trustObserver_;
};

}  // namespace holdsheet
