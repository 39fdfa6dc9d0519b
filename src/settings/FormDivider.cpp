#include "settings/FormDivider.h"

#include "ui/SheetStyle.h"

#include <QPainter>

namespace holdsheet {

FormDivider::FormDivider(QWidget* parent, int width) : QWidget(parent) {
    setFixedHeight(1);
    if (width > 0) {
        setFixedWidth(width);
    } else {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
}

void FormDivider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), withOpacity(primaryText(palette()), 0.14));
}

}  // namespace holdsheet
