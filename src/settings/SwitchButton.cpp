#include "settings/SwitchButton.h"

#include "ui/SheetStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace holdsheet {

SwitchButton::SwitchButton(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

QSize SwitchButton::sizeHint() const {
    return {trackWidth + 2, trackHeight + 2};  // room for the focus ring
}

void SwitchButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track(1, 1, trackWidth, trackHeight);
    const double radius = trackHeight / 2.0;
    QColor fill = isChecked() ? accentColour(palette()) : withOpacity(primaryText(palette()), 0.16);
    if (!isEnabled()) {
        fill = withOpacity(fill, 0.5);
    }
    QPainterPath shape;
    shape.addRoundedRect(track, radius, radius);
    painter.fillPath(shape, fill);
    if (hasFocus()) {
        painter.setPen(QPen(withOpacity(accentColour(palette()), 0.6), 1.5));
        painter.drawPath(shape);
    }
    const double knob = trackHeight - 4;
    // The knob sits at the end the switch points to, mirrored in right-to-left layouts.
    const bool atRight = isChecked() != (layoutDirection() == Qt::RightToLeft);
    const double x = atRight ? track.right() - 2 - knob : track.left() + 2;
    const QRectF circle(x, track.top() + 2, knob, knob);
    painter.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(circle);
}

}  // namespace holdsheet
