#include "onboarding/RoundedBox.h"

#include "ui/SettingsStyle.h"
#include "ui/SheetStyle.h"

#include <QPainter>

namespace holdsheet {

RoundedBox::RoundedBox(double cornerRadius, QWidget* parent)
    : QWidget(parent), cornerRadius_(cornerRadius) {}

void RoundedBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withOpacity(primaryText(palette()), boxFillOpacity));
    painter.drawRoundedRect(QRectF(rect()), cornerRadius_, cornerRadius_);
}

}  // namespace holdsheet
