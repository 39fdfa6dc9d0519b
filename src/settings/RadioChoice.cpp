#include "settings/RadioChoice.h"

#include "ui/SettingsStyle.h"
#include "ui/SheetStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace holdsheet {

RadioChoice::RadioChoice(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
    setFont(bodyFont());
    setCursor(Qt::PointingHandCursor);
}

QSize RadioChoice::sizeHint() const {
    const QFontMetricsF metrics(font());
    const int width = indicatorSize + spacing +
                      static_cast<int>(std::ceil(metrics.horizontalAdvance(text()))) + 2;
    return {width, std::max(indicatorSize + 2, static_cast<int>(std::ceil(metrics.height())))};
}

bool RadioChoice::hitButton(const QPoint& position) const {
    return rect().contains(position);  // the text as well as the circle
}

void RadioChoice::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const QRect ring =
        QStyle::visualRect(layoutDirection(), rect(),
                           QRect(1, (height() - indicatorSize) / 2, indicatorSize, indicatorSize));
    const QRectF circle = QRectF(ring).adjusted(0.5, 0.5, -0.5, -0.5);
    if (isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(accentColour(colours));
        painter.drawEllipse(circle);
        painter.setBrush(Qt::white);
        const double dot = indicatorSize * 0.375;
        painter.drawEllipse(
            QRectF(circle.center().x() - dot / 2, circle.center().y() - dot / 2, dot, dot));
    } else {
        painter.setPen(QPen(withOpacity(primaryText(colours), 0.4), 1));
        painter.setBrush(withOpacity(primaryText(colours), underMouse() ? 0.1 : 0.04));
        painter.drawEllipse(circle);
    }
    if (hasFocus()) {
        painter.setPen(QPen(withOpacity(accentColour(colours), 0.6), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(ring).adjusted(-1, -1, 1, 1));
    }
    const QRect textArea = QStyle::visualRect(
        layoutDirection(), rect(),
        QRect(indicatorSize + spacing + 1, 0, width() - indicatorSize - spacing - 1, height()));
    painter.setPen(isEnabled() ? primaryText(colours) : secondaryText(colours));
    painter.setFont(font());
    painter.setLayoutDirection(layoutDirection());
    painter.drawText(
        textArea, leadingEdge(layoutDirection()) | Qt::AlignVCenter | Qt::TextSingleLine, text());
}

}  // namespace holdsheet
