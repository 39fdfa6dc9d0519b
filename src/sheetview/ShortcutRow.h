#pragma once

#include "harvest/ShortcutModel.h"
#include "sheetview/KeyCaps.h"

#include <QFont>
#include <QPalette>
#include <QStringList>

class QPainter;

namespace holdsheet {

// One command as drawn in a column: its key caps in a fixed column, ending on one line in
// every row, and its title, wrapped to at most two lines. Rows are drawn by their column
// rather than being widgets: a sheet can hold a thousand of them, rebuilt at every keystroke.
class ShortcutRow {
  public:
    static constexpr double capsColumnWidth = 84;  // × scale
    static constexpr double spacing = 10;
    static constexpr double verticalPadding = 3.5;
    static constexpr double horizontalPadding = 8;
    static constexpr double cornerRadius = 8;
    static constexpr double hoverOpacity = 0.12;
    static constexpr double disabledOpacity = 0.38;
    static constexpr int maximumTitleLines = 2;

    // Where the parts go in a row of some width, relative to the row's top-left corner.
    struct Geometry {
        QRectF caps;
        QRectF title;
        int lineCount = 1;
        double height = 0;
    };

    ShortcutRow(const ShortcutItem& item, std::shared_ptr<const RowFonts> fonts);
    ShortcutRow(const ShortcutItem& item, double scale)
        : ShortcutRow(item, RowFonts::make(scale)) {}

    const ShortcutItem& item() const { return item_; }
    const KeyCaps& keyCaps() const { return caps_; }
    const QFont& titleFont() const { return fonts_->title; }
    double capsColumn() const { return capsColumnWidth * fonts_->scale; }
    double contentOpacity() const { return item_.isEnabled ? 1.0 : disabledOpacity; }
    // What a screen reader says: the title and the key combination.
    QString accessibleName() const;

    // Measured, not shaped: a whole sheet is laid out at every keystroke, and at a second
    // width when the scroll bar comes or goes.
    Geometry geometry(double width, Qt::LayoutDirection direction) const;
    // The title's lines in a row of `width`, as many as its geometry counts; shaping them
    // costs, so only rows that are drawn ask.
    QStringList titleLines(double width) const;
    // Whether those lines leave part of the title out.
    bool isTitleCut(double width) const;

    // Draws the row in `frame` with the geometry and title lines for the frame's width.
    // `highlight` from 0 to 1: how strongly the row is lit under the pointer.
    void paint(QPainter& painter, const QRectF& frame, const Geometry& geometry,
               const QStringList& lines, const QPalette& palette, double highlight,
               Qt::LayoutDirection direction) const;

  private:
    double titleWidth(double rowWidth) const;
    bool fitsOneLine(double rowWidth) const;

    ShortcutItem item_;
    std::shared_ptr<const RowFonts> fonts_;
    KeyCaps caps_;
    // Measured once: most titles fit on one line and need no wrapping.
    double titleAdvance_ = 0;
    double titleAscent_ = 0;
    double titleLineSpacing_ = 0;
    double titleLeading_ = 0;
};

}  // namespace holdsheet
