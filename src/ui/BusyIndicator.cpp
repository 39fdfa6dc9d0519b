#include "ui/BusyIndicator.h"

#include "ui/SheetStyle.h"

#include <QPainter>
#include <QTimer>

namespace holdsheet {

namespace {
constexpr int stepMs = 80;
}

BusyIndicator::BusyIndicator(int side, QWidget* parent)
    : QWidget(parent), side_(side), timer_(new QTimer(this)) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(QStringLiteral("…"));
    timer_->setInterval(stepMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % spokes;
        update();
    });
}

void BusyIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    const QColor text = primaryText(palette());
    const double radius = side_ / 2.0;
    for (int i = 0; i < spokes; ++i) {
        // The spoke of the current step is the darkest; the ones behind it fade out.
        const int age = (step_ - i + spokes) % spokes;
        painter.setPen(QPen(withOpacity(text, 0.85 - 0.65 * age / spokes),
                            2.6 * side_ / regularSide, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.85));
        painter.rotate(360.0 / spokes);
    }
}

void BusyIndicator::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_->start();
}

void BusyIndicator::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    timer_->stop();
}

}  // namespace holdsheet
