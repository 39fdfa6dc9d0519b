#pragma once

#include <QColor>
#include <QFont>

namespace holdsheet {

// The text styles of the settings window, sized like the sheet's (logical pixels).
QFont bodyFont(QFont::Weight weight = QFont::Normal);
QFont captionFont();

// Rounded boxes that group content lie on the text colour at this opacity.
inline constexpr double boxFillOpacity = 0.06;

QColor statusGreen();
QColor statusOrange();

}  // namespace holdsheet
