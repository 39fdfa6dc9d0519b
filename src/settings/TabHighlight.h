#pragma once

#include <QColor>
#include <QPalette>
#include <QRectF>

class QPainter;

namespace holdsheet {

// The shape behind a tab button: lit when it is the chosen tab, faintly when the pointer
// is over it. The desktop has no glass effect, so the chosen tab gets a plain fill.
struct TabHighlight {
    static constexpr double cornerRadius = 12;
    static constexpr double selectedOpacity = 0.1;
    static constexpr double hoverOpacity = 0.05;

    // Transparent when neither.
    static QColor fill(const QPalette& palette, bool selected, bool hovering);
    static void paint(QPainter& painter, const QRectF& rect, const QPalette& palette, bool selected,
                      bool hovering);
};

}  // namespace holdsheet
