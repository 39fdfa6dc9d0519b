#include "app/Program.h"

#include "app/ExitStatus.h"

#include "brand/BrandArt.h"

#include "app/HoldsheetApp.h"
#include "app/SessionKind.h"
#include "platform/freedesktop/DBusControl.h"
#include "platform/freedesktop/DesktopIconTheme.h"
#include "platform/freedesktop/QtAccessibilityBridge.h"
#include "platform/gnome/GnomeSession.h"
#include "platform/posix/QuitSignal.h"
#include "platform/sway/SwaySession.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11Session.h"
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
    const SessionKind kind = sessionKind([](const char* name) { return qgetenv(name); });
    if (const QByteArray problem = sessionKindProblem(kind); !problem.isEmpty()) {
        QTextStream(stderr) << problem;
        return kind == SessionKind::none ? exitNoDisplay : exitSessionUnserved;
    }
    HoldsheetApp::SessionFactory makeSession;
    if (kind == SessionKind::sway) {
        const QByteArray socket = qgetenv("SWAYSOCK");
        auto connection = std::shared_ptr<SwayConnection>(SwayConnection::open(socket));
        if (!connection) {
            QTextStream(stderr) << "holdsheet: cannot reach sway's IPC socket " << socket
                                << " (SWAYSOCK), or it is not yours\n";
            return exitDisplayUnavailable;
        }
        // The compositor's own windows, not an X server's through Xwayland.
        qputenv("QT_QPA_PLATFORM", "wayland");
        makeSession = [socket, connection](const DesktopEntryIndex& entries,
                                           DesktopSession::OwnWindows own) {
            return std::make_unique<SwaySession>(socket, connection, entries, std::move(own));
        };
    } else if (kind == SessionKind::gnome) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        makeSession = [](const DesktopEntryIndex& entries,
                         DesktopSession::OwnWindows own) -> std::unique_ptr<DesktopSession> {
            return std::make_unique<GnomeSession>(entries, std::move(own));
        };
    } else {
        if (!displayCanBeOpened()) {
            QTextStream(stderr) << "holdsheet: cannot open the X display "
                                << qEnvironmentVariable("DISPLAY") << "\n";
            return exitDisplayUnavailable;
        }
        qputenv("QT_QPA_PLATFORM", "xcb");
        makeSession = [](const DesktopEntryIndex& entries,
                         DesktopSession::OwnWindows own) -> std::unique_ptr<DesktopSession> {
            return std::make_unique<X11Session>(entries, std::move(own));
        };
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
    program = std::make_unique<HoldsheetApp>(makeSession);
    program->start();
    const int status = app.exec();
    program->shutDown();
    program.reset();
    return status;
}

}  // namespace holdsheet
