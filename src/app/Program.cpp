#include "app/Program.h"

#include "app/ExitStatus.h"

#include "brand/BrandArt.h"

#include "app/HoldsheetApp.h"
#include "platform/linux/DBusControl.h"
#include "platform/linux/DesktopIconTheme.h"
#include "platform/linux/QtAccessibilityBridge.h"
#include "platform/linux/QuitSignal.h"
#include "platform/linux/X11Connection.h"
#include "sheetview/SheetAccessibility.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>

#include <memory>

namespace holdsheet {

namespace {

// A working accessibility bus answers a new connection in a few milliseconds.
constexpr std::chrono::milliseconds accessibilityCheckLimit{1000};

}  // namespace

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
    // First, before any thread starts. Quitting normally takes milliseconds; a read in
    // flight may hold it up to its 1.5 s timeout.
    std::unique_ptr<HoldsheetApp> program;
    const QuitSignal quitSignal(std::chrono::seconds(3), [&program] {
        if (program) {
            program->quit();
        } else {
            QCoreApplication::quit();
        }
    });

    // Before the application object, whose accessibility bridge would otherwise wait on the
    // main thread for a stalled accessibility bus.
    QtAccessibilityBridge bridge(accessibilityCheckLimit);
    bridge.beforeApplication();
    QApplication app(argc, argv);
    bridge.afterApplication();
    if (bridge.keptOff()) {
        QTextStream(stderr) << "holdsheet: the accessibility bus does not answer; screen readers "
                               "will not see Holdsheet's windows until its next start\n";
    }
    QApplication::setApplicationName(QStringLiteral("Holdsheet"));
    QApplication::setQuitOnLastWindowClosed(
        AppDelegate::applicationShouldTerminateAfterLastWindowClosed());

    DBusControl control({[&program] { program ? program->show() : void(); },
                         [&program] { program ? program->hide() : void(); },
                         [&program] { program ? program->reopen() : void(); },
                         [&program] { return program ? program->status() : QVariantMap(); }});
    switch (control.registerOnSessionBus()) {
        case DBusControl::Registration::noSessionBus:
            QTextStream(stderr) << "holdsheet: no session bus (DBUS_SESSION_BUS_ADDRESS)\n";
            return exitNoSessionBus;
        case DBusControl::Registration::alreadyRunning:
            if (DBusControl::call(QStringLiteral("Reopen")) != DBusControl::Answer::answered) {
                QTextStream(stderr) << "holdsheet: another instance holds the name "
                                    << DBusControl::serviceName << " but does not answer\n";
                return exitNotResponding;
            }
            QTextStream(stderr) << "holdsheet: already running; its settings come to the front\n";
            return 0;
        case DBusControl::Registration::registered:
            break;
    }

    installSheetAccessibility();
    followDesktopIconTheme();
    QApplication::setWindowIcon(QIcon(brandMarkPath()));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.holdsheet.Holdsheet"));
    program = std::make_unique<HoldsheetApp>();
    program->start();
    const int status = app.exec();
    program->shutDown();
    program.reset();
    return status;
}

}  // namespace holdsheet
