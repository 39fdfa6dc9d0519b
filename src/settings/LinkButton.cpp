#include "settings/LinkButton.h"

#include "ui/SettingsStyle.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace holdsheet {

LinkButton::LinkButton(const QString& text, const QFont& font, QWidget* parent)
    : QAbstractButton(parent) {
    setText(text);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
}

QSize LinkButton::sizeHint() const {
    const QFontMetricsF metrics(font());
    return {static_cast<int>(std::ceil(metrics.horizontalAdvance(text()))) + 2,
            static_cast<int>(std::ceil(metrics.height()))};
}

void LinkButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont font = this->font();
    font.setUnderline(underMouse() || hasFocus());
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Active, QPalette::Link));
    const QFontMetricsF metrics(font);
    painter.setLayoutDirection(layoutDirection());
    painter.drawText(QRectF(rect()),
                     leadingEdge(layoutDirection()) | Qt::AlignVCenter | Qt::TextSingleLine,
                     metrics.elidedText(text(), Qt::ElideRight, width()));
}

void LinkButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    update();
}

void LinkButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    update();
}

}  // namespace holdsheet
