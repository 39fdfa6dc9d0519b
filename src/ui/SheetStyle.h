#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

namespace holdsheet {

// The sheet measures in logical pixels ("points"); fonts are sized in the same unit so that
// text and the paddings around it keep their proportions on every screen.
QFont sheetFont(double size, QFont::Weight weight = QFont::Normal);
// The size sheetFont was given, read back from a font.
double sheetFontSize(const QFont& font);

// Opacities of the secondary and tertiary text styles over the primary text colour.
inline constexpr double secondaryOpacity = 0.55;
inline constexpr double tertiaryOpacity = 0.3;

QColor withOpacity(QColor colour, double opacity);
// The text colour of the active colour group: views dim disabled content themselves.
QColor primaryText(const QPalette& palette);
QColor secondaryText(const QPalette& palette);
QColor tertiaryText(const QPalette& palette);
QColor accentColour(const QPalette& palette);
// A dark appearance: the window colour is darker than its text.
bool isDarkPalette(const QPalette& palette);

}  // namespace holdsheet
