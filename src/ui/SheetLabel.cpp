#include "ui/SheetLabel.h"

#include "ui/SheetStyle.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace holdsheet {

SheetLabel::SheetLabel(const QString& text, const QFont& font, Tone tone, QWidget* parent)
    : QLabel(text, parent), tone_(tone) {
    setFont(font);
    setTextFormat(Qt::PlainText);
    applyTone();
}

void SheetLabel::setElidedText(const QString& text) {
    whole_ = text;
    setAccessibleName(text);  // a screen reader reads the whole of it
    elide();
    updateGeometry();
}

void SheetLabel::elide() {
    const QString shown =
        QFontMetricsF(font()).elidedText(*whole_, Qt::ElideRight, contentsRect().width());
    setText(shown);
    setToolTip(shown == *whole_ ? QString() : *whole_);
}

void SheetLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (whole_) {
        elide();
    }
}

QSize SheetLabel::minimumSizeHint() const {
    if (whole_) {
        return {0, QLabel::minimumSizeHint().height()};
    }
    return QLabel::minimumSizeHint();
}

QSize SheetLabel::sizeHint() const {
    if (whole_) {
        // Measured on the whole text, not on what is shown of it at the present width.
        const QMargins margins = contentsMargins();
        return {static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(*whole_))) +
                    margins.left() + margins.right() + 2 * margin(),
                QLabel::sizeHint().height()};
    }
    if (!wordWrap()) {
        return QLabel::sizeHint();
    }
    // As wide as its lines broken at the maximum width, not QLabel's guess at a pleasing
    // shape: a layout that centres the label gives it this width, and its height must be
    // the one measured at the maximum.
    const QRectF lines = QFontMetricsF(font()).boundingRect(QRectF(0, 0, maximumWidth(), 1e6),
                                                            Qt::TextWordWrap | alignment(), text());
    const int width = std::min(maximumWidth(), static_cast<int>(std::ceil(lines.width())) + 1);
    return {width, heightForWidth(width)};
}

int SheetLabel::heightForWidth(int width) const {
    // A layout may offer more width than the label takes; its lines break at what it takes.
    return QLabel::heightForWidth(std::min(width, maximumWidth()));
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
