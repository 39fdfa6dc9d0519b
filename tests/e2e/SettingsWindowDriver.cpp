// The settings window's controller on the real adapters, for the end-to-end tests: each
// line on standard input is a command ("show", "close"), answered on standard output by the
// window's X id once done. Ends at the end of its input.
#include "app/SettingsWindowController.h"
#include "platform/linux/IniPreferenceStore.h"
#include "platform/linux/QtScheduler.h"
#include "platform/linux/X11WindowRaiser.h"
#include "prefs/Localization.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <QWidget>

#include <unistd.h>

namespace {

using namespace holdsheet;

void answer(const SettingsWindowController& settings) {
    QTextStream out(stdout);
    // internalWinId: asking for winId() would make a native window for a closed one.
    out << (settings.window() ? settings.window()->internalWinId() : 0) << Qt::endl;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Holdsheet"));
    QApplication::setQuitOnLastWindowClosed(false);

    IniPreferenceStore store;
    const Localization localization(store);
    QtScheduler scheduler;
    X11WindowRaiser raiser;
    SettingsWindowController settings({store, localization, scheduler, raiser}, [] {});

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[256];
        const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        pending.append(buffer, count);
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QByteArray command = pending.left(end).trimmed();
            pending.remove(0, end + 1);
            if (command == "show") {
                settings.show();
            } else if (command == "close" && settings.window()) {
                settings.window()->close();
            }
            answer(settings);
        }
    });
    return app.exec();
}
