#include "sheetview/KeyCaps.h"

#include "ui/SheetStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace holdsheet {

KeyCaps::KeyCaps(const ShortcutItem& item, std::shared_ptr<const RowFonts> fonts)
    : modifiers_(item.modifiers), key_(item.key), fonts_(std::move(fonts)) {
    const double scale = fonts_->scale;
    const QFontMetricsF& keyMetrics = fonts_->keyMetrics;
    const double capWidth =
        std::max(fonts_->keyAdvance(key_) + 2 * capPadding, capMinimumWidth * scale);
    const double capHeight = keyMetrics.height() + 2 * capVerticalPadding;
    keyAscent_ = keyMetrics.ascent();
    double modifiersWidth = 0;
    double modifiersHeight = 0;
    if (hasModifiers()) {
        const QFontMetricsF& metrics = fonts_->modifierMetrics;
        modifiersWidth = fonts_->modifierAdvance(modifiers_);
        modifiersHeight = metrics.height();
    }
    const double height = std::max(capHeight, modifiersHeight);
    // A vertically centred stack.
    if (hasModifiers()) {
        modifiersRect_ = QRectF(0, (height - modifiersHeight) / 2, modifiersWidth, modifiersHeight);
    }
    const double capX = hasModifiers() ? modifiersWidth + spacing : 0;
    capRect_ = QRectF(capX, (height - capHeight) / 2, capWidth, capHeight);
    size_ = QSizeF(capX + capWidth, height);
    baseline_ = capRect_.top() + capVerticalPadding + keyAscent_;
}

void KeyCaps::paint(QPainter& painter, const QPointF& topLeft, const QPalette& palette) const {
    painter.save();
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(topLeft);
    const QColor text = primaryText(palette);
    if (hasModifiers()) {
        painter.setFont(fonts_->modifiers);
        painter.setPen(secondaryText(palette));
        painter.drawText(modifiersRect_, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         modifiers_);
    }
    QPainterPath cap;
    cap.addRoundedRect(capRect_, capCornerRadius, capCornerRadius);
    painter.fillPath(cap, withOpacity(text, 0.1));
    painter.setFont(fonts_->keyFont(key_));
    painter.setPen(text);
    painter.drawText(capRect_, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, key_);
    painter.restore();
}

}  // namespace holdsheet
