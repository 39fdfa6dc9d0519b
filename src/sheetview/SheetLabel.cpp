#include "sheetview/SheetLabel.h"

#include "sheetview/SheetStyle.h"

#include <QApplication>
#include <QEvent>

namespace holdsheet {

SheetLabel::SheetLabel(const QString& text, const QFont& font, Tone tone, QWidget* parent)
    : QLabel(text, parent), tone_(tone) {
    setFont(font);
    setTextFormat(Qt::PlainText);
    applyTone();
}

void SheetLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) {
        applyTone();
    }
}

void SheetLabel::applyTone() {
    if (applying_) {
        return;  // setting the palette reports a palette change of its own
    }
    applying_ = true;
    // Derived from the surroundings, not from this label's own (already tinted) palette.
    const QPalette base = parentWidget() ? parentWidget()->palette() : QApplication::palette();
    QColor colour;
    switch (tone_) {
        case Tone::primary:
            colour = primaryText(base);
            break;
        case Tone::secondary:
            colour = secondaryText(base);
            break;
        case Tone::tertiary:
            colour = tertiaryText(base);
            break;
        case Tone::accent:
            colour = accentColour(base);
            break;
    }
    QPalette own = base;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        own.setColor(group, QPalette::WindowText, colour);
    }
    setPalette(own);
    applying_ = false;
}

}  // namespace holdsheet
