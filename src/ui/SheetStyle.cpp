#include "ui/SheetStyle.h"

#include <QGuiApplication>
#include <QScreen>

namespace holdsheet {

namespace {
double pointsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return 72.0 / (dpi > 0 ? dpi : 96.0);
}
}  // namespace

QFont sheetFont(double size, QFont::Weight weight) {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(size * pointsPerPixel());
    font.setWeight(weight);
    return font;
}

double sheetFontSize(const QFont& font) {
    return font.pointSizeF() / pointsPerPixel();
}

QColor withOpacity(QColor colour, double opacity) {
    colour.setAlphaF(static_cast<float>(colour.alphaF() * opacity));
    return colour;
}

QColor primaryText(const QPalette& palette) {
    return palette.color(QPalette::Active, QPalette::WindowText);
}

QColor secondaryText(const QPalette& palette) {
    return withOpacity(primaryText(palette), secondaryOpacity);
}

QColor tertiaryText(const QPalette& palette) {
    return withOpacity(primaryText(palette), tertiaryOpacity);
}

QColor accentColour(const QPalette& palette) {
    return palette.color(QPalette::Active, QPalette::Highlight);
}

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

}  // namespace holdsheet
