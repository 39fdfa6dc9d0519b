#include "app/AuxiliaryWindow.h"

#include "platform/Scheduler.h"
#include "platform/WindowRaiser.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace holdsheet {

AuxiliaryWindow::AuxiliaryWindow(Qt::WindowFlags flags) : QWidget(nullptr, flags) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void AuxiliaryWindow::setContent(std::unique_ptr<QWidget> content) {
    content_ = content.release();  // the layout parents it to the window
    layout()->addWidget(content_);
}

void AuxiliaryWindow::centre() {
    const QScreen* where = screen();
    if (!where) {
        return;
    }
    // Decorations count once the window manager has told their size; before, it is the
    // content that is centred.
    const QRect area = where->availableGeometry();
    const QSize frame = frameGeometry().size();
    move(area.x() + (area.width() - frame.width()) / 2,
         area.y() + (area.height() - frame.height()) / 2);
}

void AuxiliaryWindow::bringToFront(Scheduler& scheduler, WindowRaiser& raiser) {
    show();
    raiser.bringToFront(*this);
    scheduler.post([&raiser, target = QPointer<AuxiliaryWindow>(this)] {
        // Closed within the same turn: raising it again would reopen it.
        if (target && target->isVisible()) {
            raiser.bringToFront(*target);
        }
    });
}

void AuxiliaryWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && onClose_) {
        onClose_();
    }
}

void AuxiliaryWindow::mousePressEvent(QMouseEvent* event) {
    if (!movable_ || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    // The window manager moves it where it can; elsewhere we follow the pointer ourselves.
    if (windowHandle() && windowHandle()->startSystemMove()) {
        return;
    }
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void AuxiliaryWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!dragOffset_) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    move(event->globalPosition().toPoint() - *dragOffset_);
}

void AuxiliaryWindow::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset_.reset();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace holdsheet
