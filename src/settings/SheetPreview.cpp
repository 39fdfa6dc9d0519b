#include "settings/SheetPreview.h"

#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "ui/PanelBackground.h"
#include "ui/SettingsStyle.h"
#include "ui/SheetStyle.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace holdsheet {

namespace {

// A circle's bounds, its centre moved from the area's by an offset.
QRectF circleAt(const QRectF& area, double diameter, double dx, double dy) {
    return {area.center().x() + dx - diameter / 2, area.center().y() + dy - diameter / 2, diameter,
            diameter};
}

ShortcutItem sampleItem(const SheetPreview::SampleRow& row, const QString& title) {
    ShortcutItem item;  // never performed
    item.title = title;
    item.modifiers = QString::fromUtf8(row.modifiers);
    item.key = QString::fromUtf8(row.key);
    return item;
}

}  // namespace

const std::vector<SheetPreview::SampleRow>& SheetPreview::sampleRows() {
    static const std::vector<SampleRow> rows = {
        {"⌃", "N", "preview.newWindow"},
        {"⌃⇧", "T", "preview.reopenTab"},
        {"⌃", "H", "preview.findReplace"},
        {"", "F11", "preview.fullScreen"},
    };
    return rows;
}

double SheetPreview::fontSize(TextSize size) {
    switch (size) {
        case TextSize::small:
            return 11.25;
        case TextSize::medium:
            return 12.5;
        case TextSize::large:
            break;
    }
    return 14.75;
}

double SheetPreview::capsScale(TextSize size) {
    switch (size) {
        case TextSize::small:
            return 0.855;
        case TextSize::medium:
            return 0.95;
        case TextSize::large:
            break;
    }
    return 1.121;
}

SheetPreview::SheetPreview(PreferenceStore& store, const Localization& localization,
                           QWidget* parent)
    : QWidget(parent),
      store_(store),
      header_(localization.localized(QStringLiteral("preview.menu"))) {
    for (const SampleRow& row : sampleRows()) {
        titles_ << localization.localized(QLatin1String(row.titleKey));
    }
    setFixedHeight(previewHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    readStored();
    layOut();
    subscription_ = store_.observe([this] {
        const TextSize before = textSize_;
        readStored();
        if (textSize_ != before) {
            layOut();
        }
        update();
    });
}

void SheetPreview::readStored() {
    const Preferences stored(store_);
    textSize_ = stored.textSize();
    material_ = stored.material();
    glassAmount_ = stored.glassAmount();
}

void SheetPreview::layOut() {
    headerFont_ = sheetFont(fontSize(textSize_), QFont::Bold);
    titleFont_ = sheetFont(fontSize(textSize_));
    const auto fonts = RowFonts::make(capsScale(textSize_));
    const double titleHeight = QFontMetricsF(titleFont_).height();
    caps_.clear();
    rowHeights_.clear();
    double rows = 0;
    for (int i = 0; i < static_cast<int>(sampleRows().size()); ++i) {
        caps_.emplace_back(sampleItem(sampleRows()[static_cast<std::size_t>(i)], titles_[i]),
                           fonts);
        rowHeights_.push_back(std::max(caps_.back().size().height(), titleHeight));
        rows += rowHeights_.back() + lineSpacing;
    }
    panelHeight_ = 2 * panelPadding + QFontMetricsF(headerFont_).height() + headerPadding + rows;
}

QRectF SheetPreview::panelRect() const {
    const QRectF area(rect());
    return {area.center().x() - panelWidth / 2, area.center().y() - panelHeight_ / 2, panelWidth,
            panelHeight_};
}

QSize SheetPreview::sizeHint() const {
    return {static_cast<int>(panelWidth) + 2 * static_cast<int>(panelPadding), previewHeight};
}

void SheetPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setLayoutDirection(layoutDirection());  // the titles' reading direction
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.save();
    painter.setClipPath(shape);
    paintBackdrop(painter);
    paintPanel(painter);
    painter.restore();
    // The outline, inside the shape.
    painter.setPen(QPen(withOpacity(primaryText(palette()), 0.1), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.25, 0.25, -0.25, -0.25), cornerRadius - 0.25,
                            cornerRadius - 0.25);
}

void SheetPreview::paintBackdrop(QPainter& painter) const {
    const QRectF area(rect());
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    // From the top-leading corner to the bottom-trailing one.
    QLinearGradient gradient(rightToLeft ? area.topRight() : area.topLeft(),
                             rightToLeft ? area.bottomLeft() : area.bottomRight());
    gradient.setColorAt(0, QColor::fromRgbF(0.98f, 0.45f, 0.55f));
    gradient.setColorAt(1.0 / 3, QColor::fromRgbF(0.99f, 0.74f, 0.35f));
    gradient.setColorAt(2.0 / 3, QColor::fromRgbF(0.36f, 0.55f, 0.98f));
    gradient.setColorAt(1, QColor::fromRgbF(0.55f, 0.35f, 0.95f));
    painter.fillRect(area, gradient);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgbF(1, 1, 1, 0.35f));
    painter.drawEllipse(circleAt(area, 90, -150, 20));
    painter.setBrush(QColor::fromRgbF(0, 0, 0, 0.18f));
    painter.drawEllipse(circleAt(area, 120, 160, -10));
}

void SheetPreview::paintPanel(QPainter& painter) const {
    const QRectF panel = panelRect();
    const PanelBackground background(material_, glassAmount_, isDarkPalette(palette()),
                                     panelCornerRadius);
    // What lies behind shows through as it would behind the real panel.
    background.paintBehind(painter, panel, palette(), false);

    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const QRectF content = panel.adjusted(panelPadding, panelPadding, -panelPadding, -panelPadding);
    const Qt::Alignment leading = leadingEdge(layoutDirection());
    double y = content.top();
    const QFontMetricsF headerMetrics(headerFont_);
    painter.setFont(headerFont_);
    painter.setPen(accentColour(palette()));
    painter.drawText(QRectF(content.left(), y, content.width(), headerMetrics.height()),
                     leading | Qt::AlignVCenter | Qt::TextSingleLine, header_);
    y += headerMetrics.height() + headerPadding + lineSpacing;

    painter.setFont(titleFont_);
    for (std::size_t i = 0; i < caps_.size(); ++i) {
        const KeyCaps& caps = caps_[i];
        const double height = rowHeights_[i];
        // The caps end at the frame's edge towards the title, in either direction.
        const double capsX = rightToLeft ? content.right() - capsFrameWidth
                                         : content.left() + capsFrameWidth - caps.size().width();
        caps.paint(painter, QPointF(capsX, y + (height - caps.size().height()) / 2), palette());
        const double titleWidth = content.width() - capsFrameWidth - rowSpacing;
        const double titleX =
            rightToLeft ? content.left() : content.left() + capsFrameWidth + rowSpacing;
        painter.setPen(primaryText(palette()));
        painter.drawText(QRectF(titleX, y, titleWidth, height),
                         leading | Qt::AlignVCenter | Qt::TextSingleLine,
                         QFontMetricsF(titleFont_)
                             .elidedText(titles_[static_cast<int>(i)], Qt::ElideRight, titleWidth));
        y += height + lineSpacing;
    }
    background.paintOver(painter, panel, palette());
}

}  // namespace holdsheet
