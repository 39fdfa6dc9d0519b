#include "app/TourWindow.h"

#include "onboarding/TourView.h"
#include "ui/PanelBackground.h"

#include <QKeyEvent>

namespace holdsheet {

TourWindow::TourWindow(bool compositing)
    : AuxiliaryWindow(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      compositing_(compositing) {
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

void TourWindow::resizeEvent(QResizeEvent* event) {
    AuxiliaryWindow::resizeEvent(event);
    if (!compositing_) {
        setMask(roundedWindowMask(rect(), TourView::cornerRadius));
    }
}

}  // namespace holdsheet
