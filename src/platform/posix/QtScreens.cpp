#include "platform/posix/QtScreens.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace holdsheet {

QPointF QtScreens::pointer() {
    return QCursor::pos();
}

std::vector<Screens::Screen> QtScreens::screens() {
    std::vector<Screen> result;
    for (const QScreen* screen : QGuiApplication::screens()) {
        result.push_back({screen->geometry(), screen->availableGeometry()});
    }
    return result;
}

int QtScreens::mainScreen() {
    return static_cast<int>(QGuiApplication::screens().indexOf(QGuiApplication::primaryScreen()));
}

}  // namespace holdsheet
