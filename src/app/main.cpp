#include "app/DumpCommand.h"
#include "app/Program.h"
#include "platform/linux/DBusControl.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

const char* const usage =
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
    "Exit status: 0 when Holdsheet ran and quit, or was running already; 2 for an unknown\n"
    "command; 3 when DISPLAY is not set; 4 when the X display cannot be opened; 5 when\n"
    "show or hide finds no Holdsheet running; 6 without a session bus; 7 when the running\n"
    "Holdsheet does not answer. 'holdsheet dump --help' lists the statuses of dump.\n";

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
        QTextStream(stdout) << usage;
        return 0;
    }
    if (command == QLatin1String("show") || command == QLatin1String("hide")) {
        using Answer = holdsheet::DBusControl::Answer;
        const QString method = command == QLatin1String("show") ? "Show" : "Hide";
        switch (holdsheet::DBusControl::call(method)) {
            case Answer::answered:
                return 0;
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
    QTextStream(stderr) << "holdsheet: unknown command '" << command << "'\n\n" << usage;
    return holdsheet::exitUsage;
}
