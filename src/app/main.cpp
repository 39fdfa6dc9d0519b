#include "app/DumpCommand.h"
#include "app/ExitStatus.h"
#include "app/Program.h"
#include "app/WholeWrite.h"
#include "platform/freedesktop/DBusControl.h"

#include <QCoreApplication>
#include <QTextStream>

#include <unistd.h>

namespace {

const char* const usageText =
    "Usage: holdsheet [command] [options]\n"
    "\n"
    "Shows the keyboard shortcuts of the application you are working in.\n"
    "Without a command, starts Holdsheet.\n"
    "\n"
    "Commands:\n"
    "  show    open the cheat sheet of the application in front (Holdsheet must run)\n"
    "  hide    close the cheat sheet\n"
    "  dump    print the shortcuts of an application's menus, or write them as a PDF\n"
    "          (see 'holdsheet dump --help')\n"
    "  help    show this text\n"
    "\n"
    "Started while it runs, Holdsheet brings its settings window to the front.\n"
    "\n"
    "Exit status:\n";

QString usage() {
    return QString::fromLatin1(usageText) + holdsheet::exitStatusTable();
}

}  // namespace

int main(int argc, char* argv[]) {
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command.isEmpty()) {
        return holdsheet::runProgram(argc, argv);
    }
    if (command == QLatin1String("dump")) {
        return holdsheet::runDump(argc, argv);
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Holdsheet"));

    if (command == QLatin1String("help") || command == QLatin1String("--help") ||
        command == QLatin1String("-h")) {
        if (const int error = holdsheet::writeWhole(STDOUT_FILENO, usage().toUtf8())) {
            QTextStream(stderr) << "holdsheet: cannot write to standard output: "
                                << qt_error_string(error) << "\n";
            return holdsheet::exitStandardOutputUnwritable;
        }
        return holdsheet::exitOk;
    }
    if (command == QLatin1String("show") || command == QLatin1String("hide")) {
        using Answer = holdsheet::DBusControl::Answer;
        const QString method = command == QLatin1String("show") ? "Show" : "Hide";
        switch (holdsheet::DBusControl::call(method)) {
            case Answer::answered:
                return holdsheet::exitOk;
            case Answer::notRunning:
                QTextStream(stderr) << "holdsheet: Holdsheet is not running in this session\n";
                return holdsheet::exitNotRunning;
            case Answer::notAnswering:
                QTextStream(stderr) << "holdsheet: Holdsheet runs but did not answer in time\n";
                return holdsheet::exitNotResponding;
            case Answer::noSessionBus:
                break;
        }
        QTextStream(stderr) << "holdsheet: no session bus (DBUS_SESSION_BUS_ADDRESS)\n";
        return holdsheet::exitNoSessionBus;
    }
    QTextStream(stderr) << "holdsheet: unknown command '" << command << "'\n\n" << usage();
    return holdsheet::exitUsage;
}
