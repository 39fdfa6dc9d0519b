#include "app/DumpCommand.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

const char* const usage =
    "Usage: holdsheet <command> [options]\n"
    "\n"
    "Shows the keyboard shortcuts of the application you are working in.\n"
    "\n"
    "Commands:\n"
    "  dump    print the shortcuts of an application's menus (see 'holdsheet dump --help')\n"
    "  help    show this text\n";

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Holdsheet"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);

    if (arguments.isEmpty() || arguments.first() == QLatin1String("help") ||
        arguments.first() == QLatin1String("--help") || arguments.first() == QLatin1String("-h")) {
        QTextStream(stdout) << usage;
        return 0;
    }
    if (arguments.first() == QLatin1String("dump")) {
        return holdsheet::runDump(arguments.mid(1));
    }
    QTextStream(stderr) << "holdsheet: unknown command '" << arguments.first() << "'\n\n" << usage;
    return 2;
}
