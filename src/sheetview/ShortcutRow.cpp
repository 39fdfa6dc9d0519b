#include "sheetview/ShortcutRow.h"

#include "ui/SheetStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>

namespace holdsheet {

namespace {
// The title broken into lines of `width`, the last one elided when more would follow;
// `cut` tells whether anything was left out.
QStringList wrapTitle(const QString& title, const QFont& font, double width, int maximumLines,
                      bool* cut = nullptr) {
    QStringList lines;
    QTextLayout layout(title, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(width);
        if (static_cast<int>(lines.size()) == maximumLines - 1) {
            const QString rest = title.mid(line.textStart()).trimmed();
            lines << QFontMetricsF(font).elidedText(rest, Qt::ElideRight, width);
            if (cut) {
                *cut = lines.back() != rest;
            }
            break;
        }
        lines << title.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}
}  // namespace

ShortcutRow::ShortcutRow(const ShortcutItem& item, std::shared_ptr<const RowFonts> fonts)
    : item_(item), fonts_(std::move(fonts)), caps_(item, fonts_) {
    const QFontMetricsF& metrics = fonts_->titleMetrics;
    titleAdvance_ = fonts_->titleAdvance(item_.title);
    titleAscent_ = metrics.ascent();
    titleLineSpacing_ = metrics.lineSpacing();
    titleLeading_ = metrics.leading();
}

QString ShortcutRow::accessibleName() const {
    return QStringLiteral("%1, %2%3").arg(item_.title, item_.modifiers, item_.key);
}

double ShortcutRow::titleWidth(double rowWidth) const {
    return std::max(1.0, rowWidth - 2 * horizontalPadding - capsColumn() - spacing);
}

ShortcutRow::Geometry ShortcutRow::geometry(double width, Qt::LayoutDirection direction) const {
    Geometry g;
    // A title wider than its line breaks, and is cut after the second line.
    g.lineCount = fitsOneLine(width) ? 1 : maximumTitleLines;
    const double titleHeight = g.lineCount * titleLineSpacing_ - titleLeading_;
    // Aligned on the first baseline: the key's text and the title's first line.
    const double baseline = std::max(caps_.baseline(), titleAscent_);
    const double capsTop = verticalPadding + baseline - caps_.baseline();
    const double titleTop = verticalPadding + baseline - titleAscent_;
    const QSizeF capsSize = caps_.size();
    const double capsLeft = horizontalPadding + capsColumn() - capsSize.width();  // trailing
    const double titleLeft = horizontalPadding + capsColumn() + spacing;
    g.caps = QRectF(QPointF(capsLeft, capsTop), capsSize);
    g.title = QRectF(titleLeft, titleTop, titleWidth(width), titleHeight);
    g.height = std::max(g.caps.bottom(), g.title.bottom()) + verticalPadding;
    if (direction == Qt::RightToLeft) {
        // The row mirrors; the key caps inside keep reading left to right.
        for (QRectF* rect : {&g.caps, &g.title}) {
            rect->moveLeft(width - rect->right());
        }
    }
    return g;
}

QStringList ShortcutRow::titleLines(double width) const {
    return fitsOneLine(width)
               ? QStringList{item_.title}
               : wrapTitle(item_.title, fonts_->title, titleWidth(width), maximumTitleLines);
}

bool ShortcutRow::isTitleCut(double width) const {
    bool cut = false;
    if (!fitsOneLine(width)) {
        wrapTitle(item_.title, fonts_->title, titleWidth(width), maximumTitleLines, &cut);
    }
    return cut;
}

bool ShortcutRow::fitsOneLine(double width) const {
    return titleAdvance_ <= titleWidth(width);
}

void ShortcutRow::paint(QPainter& painter, const QRectF& frame, const Geometry& g,
                        const QStringList& lines, const QPalette& palette, double highlight,
                        Qt::LayoutDirection direction) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = primaryText(palette);
    const double lit = item_.isEnabled ? highlight : 0.0;
    if (lit > 0) {
        QPainterPath shape;
        shape.addRoundedRect(frame, cornerRadius, cornerRadius);
        painter.fillPath(shape, withOpacity(text, hoverOpacity * lit));
    }
    painter.setOpacity(contentOpacity());
    caps_.paint(painter, frame.topLeft() + g.caps.topLeft(), palette);
    painter.setLayoutDirection(direction);
    painter.setFont(fonts_->title);
    painter.setPen(text);
    double top = frame.top() + g.title.top();
    for (const QString& line : lines) {
        painter.drawText(
            QRectF(frame.left() + g.title.left(), top, g.title.width(), titleLineSpacing_),
            Qt::AlignLeading | Qt::AlignTop | Qt::TextSingleLine, line);
        top += titleLineSpacing_;
    }
    painter.restore();
}

}  // namespace holdsheet
