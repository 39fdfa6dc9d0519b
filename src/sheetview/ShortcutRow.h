#pragma once

#include "harvest/ShortcutModel.h"
#include "sheetview/KeyCaps.h"

#include <QAbstractButton>

#include <functional>

class QVariantAnimation;

namespace holdsheet {

// One command: its key caps in a fixed column, ending on one line in every row, and its
// title, wrapped to at most two lines. The whole row is the click target; it lights up
// under the pointer.
class ShortcutRow : public QAbstractButton {
  public:
    static constexpr double capsColumnWidth = 84;  // × scale
    static constexpr double spacing = 10;
    static constexpr double verticalPadding = 3.5;
    static constexpr double horizontalPadding = 8;
    static constexpr double cornerRadius = 8;
    static constexpr double hoverOpacity = 0.12;
    static constexpr double disabledOpacity = 0.38;
    static constexpr int maximumTitleLines = 2;

    ShortcutRow(const ShortcutItem& item, double scale,
                std::function<void(const ShortcutItem&)> onClick, QWidget* parent = nullptr);
    ~ShortcutRow() override;

    const ShortcutItem& item() const { return item_; }
    const KeyCaps& keyCaps() const { return caps_; }
    const QFont& titleFont() const { return titleFont_; }
    double capsColumn() const { return capsColumnWidth * scale_; }
    bool hovering() const { return hovering_; }
    // The drawn strength of the highlight, 0 to 1, following `hovering` with an ease-out.
    double highlight() const { return highlight_; }
    double contentOpacity() const { return isEnabled() ? 1.0 : disabledOpacity; }
    // Where the key caps and the title lines go at the row's current width.
    QRectF keyCapsRect() const;
    QStringList titleLines() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    struct Geometry {
        QRectF caps;
        QRectF title;
        QStringList lines;
        double height = 0;
    };
    Geometry geometry(double width) const;
    double titleWidth(double rowWidth) const;
    void setHovering(bool hovering);
    void animateHighlight();

    ShortcutItem item_;
    double scale_;
    KeyCaps caps_;
    QFont titleFont_;
    bool hovering_ = false;
    double highlight_ = 0;
    QVariantAnimation* animation_;
    // Layouts ask for the height at a width many times over; the wrapping is kept.
    mutable double cachedWidth_ = -1;
    mutable Geometry cached_;
};

}  // namespace holdsheet
