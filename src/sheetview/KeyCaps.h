#pragma once

#include "harvest/ShortcutModel.h"
#include "sheetview/RowFonts.h"

#include <QFont>
#include <QPalette>
#include <QRectF>

class QPainter;

namespace holdsheet {

// The key combination of one command: the modifier symbols as grey text, then the key in a
// small rounded cap. Always read left to right, also in right-to-left interfaces.
class KeyCaps {
  public:
    static constexpr double spacing = 3;
    static constexpr double capPadding = 5;
    static constexpr double capMinimumWidth = 20;  // × scale
    static constexpr double capVerticalPadding = 1;
    static constexpr double capCornerRadius = 5;

    KeyCaps(const ShortcutItem& item, std::shared_ptr<const RowFonts> fonts);

    const QFont& modifierFont() const { return fonts_->modifiers; }
    const QFont& keyFont() const { return fonts_->keyFont(key_); }
    QSizeF size() const { return size_; }
    // From the top: the baseline of the key's text, which rows align their titles on.
    double baseline() const { return baseline_; }
    // Relative to the top-left corner.
    const QRectF& modifiersRect() const { return modifiersRect_; }
    const QRectF& capRect() const { return capRect_; }
    bool hasModifiers() const { return !modifiers_.isEmpty(); }

    void paint(QPainter& painter, const QPointF& topLeft, const QPalette& palette) const;

  private:
    QString modifiers_;
    QString key_;
    std::shared_ptr<const RowFonts> fonts_;
    QSizeF size_;
    double baseline_ = 0;
    double keyAscent_ = 0;
    QRectF modifiersRect_;
    QRectF capRect_;
};

}  // namespace holdsheet
