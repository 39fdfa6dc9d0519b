#pragma once

#include <QColor>
#include <QFont>

namespace holdsheet {

// The text styles of the settings window, sized like the sheet's (logical pixels).
QFont bodyFont(QFont::Weight weight = QFont::Normal);
QFont captionFont();

// Rounded boxes that group content lie on the text colour at this opacity.
inline constexpr double boxFillOpacity = 0.06;

// The leading edge for a painter's drawText, which does not turn Qt::AlignLeading around
// in right-to-left layouts by itself.
Qt::Alignment leadingEdge(Qt::LayoutDirection direction);

QColor statusGreen();
QColor statusOrange();

}  // namespace holdsheet
