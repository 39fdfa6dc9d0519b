#include "ui/CapsuleButton.h"

#include "ui/SheetStyle.h"
#include "ui/SheetSymbols.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace holdsheet {

namespace {
constexpr double materialOpacity = 0.55;  // the thin material: the window colour, translucent
constexpr double outlineOpacity = 0.1;
constexpr double outlineWidth = 0.5;
}  // namespace

void paintCapsule(QPainter& painter, const QRectF& rect, const QPalette& palette, bool pressed) {
    // The outline lies inside the shape: the stroke is centred on the path.
    const QRectF shape =
        rect.adjusted(outlineWidth / 2, outlineWidth / 2, -outlineWidth / 2, -outlineWidth / 2);
    QPainterPath capsule;
    capsule.addRoundedRect(shape, shape.height() / 2, shape.height() / 2);
    QColor material = palette.color(QPalette::Active, QPalette::Window);
    material.setAlphaF(static_cast<float>(pressed ? 0.9 : materialOpacity));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(capsule, material);
    painter.setPen(QPen(withOpacity(primaryText(palette), outlineOpacity), outlineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(capsule);
    painter.restore();
}

CapsuleButton::CapsuleButton(QString symbol, const QString& label, const QFont& font,
                             QMargins padding, QWidget* parent)
    : QAbstractButton(parent),
      font_(font),
      symbol_(std::move(symbol), std::round(sheetFontSize(font) * 1.1)),
      padding_(padding) {
    setText(label);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CapsuleButton::sizeHint() const {
    const QFontMetricsF metrics(font_);
    double width = symbol_.size();
    if (!text().isEmpty()) {
        width += symbolSpacing + metrics.horizontalAdvance(text());
    }
    const double height = std::max(symbol_.size(), metrics.height());
    return {static_cast<int>(std::ceil(width)) + padding_.left() + padding_.right(),
            static_cast<int>(std::ceil(height)) + padding_.top() + padding_.bottom()};
}

void CapsuleButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setLayoutDirection(layoutDirection());
    painter.setRenderHint(QPainter::Antialiasing);
    paintCapsule(painter, QRectF(rect()), palette(), isDown());

    const QRectF inner = QRectF(rect()).marginsRemoved(padding_.toMarginsF());
    const double side = symbol_.size();
    const QColor colour = primaryText(palette());
    const bool mirrored = isRightToLeft();
    const double symbolLeft = mirrored ? inner.right() - side : inner.left();
    symbol_.paint(painter, QPointF(symbolLeft, inner.center().y() - side / 2), colour,
                  devicePixelRatioF());
    if (!text().isEmpty()) {
        painter.setFont(font_);
        painter.setPen(colour);
        QRectF label = inner;
        if (mirrored) {
            label.setRight(inner.right() - side - symbolSpacing);
        } else {
            label.setLeft(inner.left() + side + symbolSpacing);
        }
        painter.drawText(label, Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine, text());
    }
}

}  // namespace holdsheet
