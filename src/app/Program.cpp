#include "app/Program.h"

#include "app/AccessibilityPrompt.h"
#include "app/HoldKeyConflict.h"
#include "app/StatusMenu.h"

#include "harvest/Performer.h"
#include "harvest/SheetLoader.h"
#include "panel/OverlayPanel.h"
#include "panel/PanelController.h"
#include "permissions/PermissionMonitor.h"
#include "platform/linux/AtspiAccessibility.h"
#include "platform/linux/DBusControl.h"
#include "platform/linux/DesktopIconTheme.h"
#include "platform/linux/EwmhWorkspace.h"
#include "platform/linux/GnomeHotKeys.h"
#include "platform/linux/IniPreferenceStore.h"
#include "platform/linux/QtProcessRunner.h"
#include "platform/linux/QtScheduler.h"
#include "platform/linux/QtScreens.h"
#include "platform/linux/X11Connection.h"
#include "platform/linux/X11EventMonitors.h"
#include "platform/linux/XTestKeyPoster.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "sheetview/SheetAccessibility.h"
#include "sheetview/SheetActions.h"
#include "trigger/HoldMonitor.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>

#include <QSocketNotifier>

#include <csignal>

#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <syslog.h>

namespace holdsheet {

int runProgram(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        QTextStream(stderr) << "holdsheet: no X display (DISPLAY is not set)\n";
        return exitNoDisplay;
    }
    if (!displayCanBeOpened()) {
        QTextStream(stderr) << "holdsheet: cannot open the X display "
                            << qEnvironmentVariable("DISPLAY") << "\n";
        return exitDisplayUnavailable;
    }
    // SIGTERM and SIGINT arrive as readable data on a signalfd, so quitting runs in the
    // event loop. They are blocked before any thread starts, so every thread inherits that.
    sigset_t quitSignals;
    sigemptyset(&quitSignals);
    sigaddset(&quitSignals, SIGTERM);
    sigaddset(&quitSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &quitSignals, nullptr);
    const int signalFd = signalfd(-1, &quitSignals, SFD_CLOEXEC);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Holdsheet"));
    QSocketNotifier quitNotifier(signalFd, QSocketNotifier::Read);
    QObject::connect(&quitNotifier, &QSocketNotifier::activated, &app, [signalFd] {
        signalfd_siginfo info{};
        if (read(signalFd, &info, sizeof info) > 0) {
            QCoreApplication::quit();
        }
    });
    QApplication::setQuitOnLastWindowClosed(false);
    installSheetAccessibility();
    followDesktopIconTheme();

    IniPreferenceStore store;
    const Localization localization(store);
    QtScheduler scheduler;
    AtspiAccessibility ax;
    ax.setConfirmEnabling([&localization] { return askToEnableAccessibility(localization); });
    GnomeHotKeys hotKeys;
    SheetLoader loader(scheduler, ax, store, hotKeys, localization);
    EwmhWorkspace workspace;
    QtScreens screens;
    OverlayPanel* panelWindow = nullptr;
    X11EventMonitors monitors(
        [&panelWindow] { return panelWindow && panelWindow->isVisible() && panelWindow->isKey(); },
        [&panelWindow](quint64 window) {
            return panelWindow && static_cast<quint64>(panelWindow->winId()) == window;
        });
    X11Connection probe;
    const bool compositing = compositingManagerRunning(probe);
    QtProcessRunner runner;
    PermissionMonitor permission({ax, store, scheduler, runner});
    XTestKeyPoster poster;
    Performer performer({scheduler, workspace, ax, poster});

    PanelController controller(
        {scheduler, workspace, monitors, screens, store, loader},
        [&](SheetModel& model) {
            // Panels are made only once the controller stands. The share and program menus
            // arrive with the export and the shell; until then their buttons do nothing.
            SheetServices services{
                store,
                localization,
                permission,
                [&](const ShortcutItem& item) { clickRow(item, controller, performer); },
                [&] { requestPermission(controller, permission); },
                {},
                {}};
            auto panel = std::make_unique<OverlayPanel>(model, std::move(services), compositing);
            panelWindow = panel.get();
            return panel;
        },
        [&localization](const QString& key) { return localization.localized(key); });
    PanelController::setShared(&controller);

    DBusControl control({[&controller] { controller.show(); }, [&controller] { controller.hide(); },
                         [&controller] {
                             const auto& model = controller.model();
                             const auto* panel = controller.panel();
                             return QVariantMap{
                                 {"visible", panel && panel->isVisible()},
                                 {"targetPid", static_cast<int>(model.targetPID)},
                                 {"loading", model.isLoading()},
                                 {"itemCount", model.sheet() ? model.sheet()->itemCount() : -1},
                                 {"notResponding", model.sheet() && model.sheet()->notResponding},
                                 {"query", model.query()},
                                 {"contentHeight", model.contentHeight()},
                             };
                         }});
    switch (control.registerOnSessionBus()) {
        case DBusControl::Registration::noSessionBus:
            QTextStream(stderr) << "holdsheet: no session bus (DBUS_SESSION_BUS_ADDRESS)\n";
            return exitNoSessionBus;
        case DBusControl::Registration::alreadyRunning:
            QTextStream(stderr) << "holdsheet: already running in this session\n";
            return 0;
        case DBusControl::Registration::registered:
            break;
    }
    // --- Status-area item: to move into the composition root being rewritten. ---
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/brand/BrandMark.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.holdsheet.Holdsheet"));
    StatusMenu statusMenu(store, localization,
                          {[&controller] { controller.show(); },
                           [] { /* settings window: wired with the window controllers */ },
                           [] { QCoreApplication::quit(); }});
    // --- End of the status-area item. ---
    // The launch sequence: the signature line, the stale-grant repair and polling, the
    // trigger, and the trigger re-armed at every change of trust.
    const QString signature = codeSignatureSummary();
    const QByteArray line = QStringLiteral("Holdsheet signatur: %1").arg(signature).toUtf8();
    syslog(LOG_NOTICE, "%s", line.constData());
    QTextStream(stderr) << line << "\n";
    warnOfDesktopSuperKey(Preferences(store).holdKey(), IniPreferenceStore::defaultPath());
    PermissionMonitor::setShared(&permission);
    permission.resetStaleGrant();
    permission.startPolling();
    HoldMonitor hold({monitors, scheduler, store, ax, workspace, controller});
    HoldMonitor::setShared(&hold);
    hold.start();
    QObject::connect(&permission, &PermissionMonitor::trustChanged, &app,
                     [&hold] { hold.start(); });

    const int status = app.exec();
    scheduler.drain();  // background reads use what is torn down below
    hold.stop();
    HoldMonitor::setShared(nullptr);
    permission.stopPolling();
    PermissionMonitor::setShared(nullptr);
    controller.tearDown();
    PanelController::setShared(nullptr);
    close(signalFd);
    return status;
}

}  // namespace holdsheet
