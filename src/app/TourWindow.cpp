#include "app/TourWindow.h"

#include <QKeyEvent>

namespace holdsheet {

TourWindow::TourWindow(bool compositing)
    : AuxiliaryWindow(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_TranslucentBackground, compositing);
    setMovableByBackground(true);
}

void TourWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    AuxiliaryWindow::keyPressEvent(event);
}

}  // namespace holdsheet
