#include "onboarding/ProminentButton.h"

#include "sheetview/SheetStyle.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace holdsheet {

ProminentButton::ProminentButton(const QString& text, int minimumWidth, QWidget* parent)
    : QPushButton(text, parent), minimumWidth_(minimumWidth) {
    setFont(sheetFont(13, QFont::Medium));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);  // repaint as the pointer comes and goes
}

QSize ProminentButton::sizeHint() const {
    const int text = QFontMetrics(font()).horizontalAdvance(this->text());
    return {std::max(minimumWidth_, text + 2 * paddingX), height};
}

void ProminentButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = accentColour(palette());
    if (!isEnabled()) {
        fill = withOpacity(fill, 0.4);
    } else if (isDown()) {
        fill = fill.darker(125);
    } else if (underMouse()) {
        fill = fill.lighter(110);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.drawRoundedRect(shape, cornerRadius, cornerRadius);
    if (hasFocus()) {
        painter.setPen(QPen(withOpacity(fill, 0.5), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(shape.adjusted(1, 1, -1, -1), cornerRadius - 1, cornerRadius - 1);
    }
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

void makeLarge(QPushButton& button) {
    button.setFont(sheetFont(13));
    button.setMinimumHeight(ProminentButton::height);
    const int text = QFontMetrics(button.font()).horizontalAdvance(button.text());
    button.setMinimumWidth(text + 2 * ProminentButton::paddingX);
    button.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

}  // namespace holdsheet
