#include "onboarding/CapsuleTextButton.h"

#include "sheetview/CapsuleButton.h"
#include "sheetview/SheetStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace holdsheet {

namespace {
constexpr double focusRingWidth = 1.5;
}  // namespace

CapsuleTextButton::CapsuleTextButton(const QString& label, const QFont& font, QMargins padding,
                                     QWidget* parent)
    : QPushButton(label, parent), padding_(padding) {
    setFont(font);
    setFlat(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CapsuleTextButton::sizeHint() const {
    const QFontMetricsF metrics(font());
    return {static_cast<int>(std::ceil(metrics.horizontalAdvance(text()))) + padding_.left() +
                padding_.right(),
            static_cast<int>(std::ceil(metrics.height())) + padding_.top() + padding_.bottom()};
}

void CapsuleTextButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF shape(rect());
    paintCapsule(painter, shape, palette(), isDown());
    if (hasFocus()) {
        // Keyboard users see where Space would press.
        const double inset = focusRingWidth / 2;
        const QRectF ring = shape.adjusted(inset, inset, -inset, -inset);
        QPainterPath path;
        path.addRoundedRect(ring, ring.height() / 2, ring.height() / 2);
        painter.setPen(QPen(withOpacity(accentColour(palette()), 0.7), focusRingWidth));
        painter.drawPath(path);
    }
    painter.setFont(font());
    painter.setPen(primaryText(palette()));
    painter.drawText(shape.marginsRemoved(padding_.toMarginsF()),
                     Qt::AlignCenter | Qt::TextSingleLine, text());
}

}  // namespace holdsheet
