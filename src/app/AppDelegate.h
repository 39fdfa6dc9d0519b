#pragma once

#include "platform/Appearance.h"
#include "platform/ApplicationControl.h"
#include "platform/PreferenceStore.h"
#include "platform/SharedInstance.h"
#include "platform/SystemLog.h"

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
class AppDelegate : public SharedInstance<AppDelegate> {
  public:
    static inline const QString signatureFormat = QStringLiteral("Holdsheet signatur: %1");
    static inline const QString adHocWarning = QStringLiteral(
        "Holdsheet ADVARSEL: appen er signert ad hoc (Sign to Run Locally). Velg Team og "
        "Signing Certificate 'Apple Development' i Xcode, ellers må tilgang gis på nytt etter "
        "hvert bygg.");
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

    AppDelegate(Platform platform, Machinery machinery, Windows windows,
                std::function<QString()> signatureSummary);
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

  private:
    Platform platform_;
    Machinery machinery_;
    Windows windows_;
    std::function<QString()> signatureSummary_;
    bool didShutDown_ = false;
    PreferenceStore::Subscription preferencesObserver_;
    QMetaObject::Connection trustObserver_;
};

}  // namespace holdsheet
