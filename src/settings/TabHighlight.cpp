#include "settings/TabHighlight.h"

#include "ui/SheetStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace holdsheet {

QColor TabHighlight::fill(const QPalette& palette, bool selected, bool hovering) {
    if (selected) {
        return withOpacity(primaryText(palette), selectedOpacity);
    }
    if (hovering) {
        return withOpacity(primaryText(palette), hoverOpacity);
    }
    return Qt::transparent;
}

void TabHighlight::paint(QPainter& painter, const QRectF& rect, const QPalette& palette,
                         bool selected, bool hovering) {
    const QColor colour = fill(palette, selected, hovering);
    if (colour.alpha() == 0) {
        return;
    }
    QPainterPath shape;
    shape.addRoundedRect(rect, cornerRadius, cornerRadius);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(shape, colour);
    painter.restore();
}

}  // namespace holdsheet
