#include "ui/CapsuleTextButton.h"

#include "ui/CapsuleButton.h"
#include "ui/SheetStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace holdsheet {

namespace {
constexpr double focusRingWidth = 2;

QPainterPath capsule(const QRectF& rect) {
    QPainterPath path;
    path.addRoundedRect(rect, rect.height() / 2, rect.height() / 2);
    return path;
}
}  // namespace

CapsuleTextButton::CapsuleTextButton(const QString& label, const QFont& font, QMargins padding,
                                     Style style, QWidget* parent)
    : QPushButton(label, parent), padding_(padding), style_(style) {
    setFont(font);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

CapsuleTextButton::CapsuleTextButton(const QString& label, Style style, QWidget* parent)
    : CapsuleTextButton(label, sheetFont(13, QFont::Medium), QMargins(18, 8, 18, 8), style,
                        parent) {}

QSize CapsuleTextButton::sizeHint() const {
    const QFontMetricsF metrics(font());
    const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(text())));
    const int height = static_cast<int>(std::ceil(metrics.height()));
    return QSize(width + padding_.left() + padding_.right(),
                 height + padding_.top() + padding_.bottom())
        .expandedTo(minimumSize());
}

void CapsuleTextButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF shape(rect());
    QColor label = primaryText(palette());
    if (style_ == Style::prominent) {
        const QColor accent = accentColour(palette());
        painter.fillPath(capsule(shape), isDown() ? accent.darker(120) : accent);
        label = palette().color(QPalette::Active, QPalette::HighlightedText);
    } else {
        paintCapsule(painter, shape, palette(), isDown());
    }
    // A ring once the keyboard has moved the focus, as the desktop's own buttons do.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        const double inset = focusRingWidth / 2;
        painter.setPen(QPen(withOpacity(accentColour(palette()), 0.5), focusRingWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(capsule(shape.adjusted(inset, inset, -inset, -inset)));
    }
    painter.setFont(font());
    painter.setPen(label);
    painter.drawText(shape.marginsRemoved(padding_.toMarginsF()),
                     Qt::AlignCenter | Qt::TextSingleLine, text());
}

}  // namespace holdsheet
