#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

// Widgets need an application; the offscreen platform draws them without a display.
int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The offscreen platform says so for every top-level widget and every tray item (it has
    // no tray); nothing to learn from either.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        if (!message.contains(QLatin1String("propagateSizeHints")) &&
            !message.contains(QLatin1String("systemTrayWindowChanged"))) {
            fprintf(stderr, "%s\n", qPrintable(message));
        }
    });
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
