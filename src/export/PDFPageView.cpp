#include "export/PDFPageView.h"

#include "brand/BrandArt.h"

#include "export/PDFLayout.h"
#include "prefs/Localization.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <utility>
#include <vector>

namespace holdsheet {

namespace {

const QColor ink = QColor::fromRgbF(0.11f, 0.11f, 0.19f);
const QColor muted = QColor::fromRgbF(0.43f, 0.44f, 0.53f);
const QColor accent = QColor::fromRgbF(0.294f, 0.247f, 0.878f);
const QColor hairline = QColor::fromRgbF(0.86f, 0.86f, 0.93f);

constexpr double contentWidth = pdf::pageWidth - 2 * pdf::margin;
constexpr double hairlineHeight = 0.7;

// First page.
constexpr double firstRowHeight = 64;
constexpr double firstRowSpacing = 14;
constexpr double firstMarkSide = 46;
constexpr double productTitleSpacing = 2;
constexpr double productTracking = 1.6;
constexpr double iconSide = 30;
constexpr double iconDateSpacing = 3;
constexpr double firstRuleHeight = 1.5;
// Later pages.
constexpr double laterRowHeight = 22;
constexpr double laterRowSpacing = 8;
constexpr double laterMarkSide = 18;
constexpr double laterRuleHeight = 1;
// Columns.
constexpr double titleRuleSpacing = 3;
constexpr double keyBoxWidth = 60;
constexpr double keyTitleSpacing = 8;
constexpr double footerRowHeight = 25;
constexpr double footerSpacing = 8;  // between the two ends of a narrow footer

// A font of the sheet's family whose size is `size` user units on `device`: point sizes
// are resolved at the device's resolution, so they are divided by it here for the painter's
// own scale to apply alone.
QFont pageFont(double size, QFont::Weight weight, const QPaintDevice* device) {
    const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 72.0;
    QFont font = QGuiApplication::font();
    font.setPointSizeF(size * 72.0 / dpi);
    font.setWeight(weight);
    // Unhinted outlines with fractional advances: what is measured is what paper shows.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

struct Text {
    QFont font;
    QFontMetricsF metrics;
    Text(QFont f, const QPaintDevice* device) : font(std::move(f)), metrics(font, device) {}
};

// One line, cut at the tail when it is wider than the box.
void drawLine(QPainter& painter, const Text& text, const QColor& colour, const QRectF& box,
              Qt::Alignment alignment, const QString& line) {
    painter.setFont(text.font);
    painter.setPen(colour);
    painter.drawText(box, alignment | Qt::TextSingleLine,
                     text.metrics.elidedText(line, Qt::ElideRight, box.width()));
}

// One line with `tracking` added after every character. Qt's own letter spacing is lost at
// 72 dpi (it scales it by the device's resolution over 96, in whole numbers), so the
// characters are placed here. Right-to-left text, whose letters join, and a line too wide
// for the box are drawn untracked.
void drawTracked(QPainter& painter, const Text& text, const QColor& colour, const QRectF& box,
                 const QString& line, double tracking) {
    std::vector<std::pair<QString, double>> clusters;
    double width = 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line);
    for (qsizetype start = 0, end = finder.toNextBoundary(); end > 0;
         start = end, end = finder.toNextBoundary()) {
        const QString cluster = line.mid(start, end - start);
        clusters.emplace_back(cluster, width);
        width += text.metrics.horizontalAdvance(cluster) + tracking;
    }
    if (line.isRightToLeft() || width - tracking > box.width()) {
        drawLine(painter, text, colour, box, Qt::AlignLeft | Qt::AlignTop, line);
        return;
    }
    painter.setFont(text.font);
    painter.setPen(colour);
    const double baseline = box.top() + text.metrics.ascent();
    for (const auto& [cluster, x] : clusters) {
        painter.drawText(QPointF(box.left() + x, baseline), cluster);
    }
}

void drawBrandMark(QPainter& painter, const QRectF& box) {
    // Drawn only where the artwork is built in.
    if (!QFile::exists(brandMarkPath())) {
        return;
    }
    QSvgRenderer renderer(brandMarkPath());
    if (renderer.isValid()) {
        renderer.render(&painter, box);
    }
}

}  // namespace

struct PDFPageView::Fonts {
    explicit Fonts(const QPaintDevice* device)
        : product(pageFont(9, QFont::Bold, device), device),
          firstTitle(pageFont(24, QFont::Bold, device), device),
          date(pageFont(8.5, QFont::Normal, device), device),
          laterTitle(pageFont(11, QFont::DemiBold, device), device),
          groupTitle(pageFont(10.5, QFont::Bold, device), device),
          keys(pageFont(8.8, QFont::DemiBold, device), device),
          rowTitle(pageFont(8.8, QFont::Normal, device), device),
          footer(pageFont(7.8, QFont::Normal, device), device) {}

    Text product;
    Text firstTitle;
    Text date;
    Text laterTitle;
    Text groupTitle;
    Text keys;
    Text rowTitle;
    Text footer;
};

QSizeF PDFPageView::pageSize() {
    return {pdf::pageWidth, pdf::pageHeight};
}

PDFPageView::PDFPageView(PDFPage page, int pageCount, QString appName, QImage appIcon,
                         QString dateText, const Localization& localization)
    : page_(std::move(page)),
      pageCount_(pageCount),
      appName_(std::move(appName)),
      // Four times the drawn size is plenty for paper; a 512-pixel theme icon would swell
      // the file.
      appIcon_(appIcon.width() > 120 || appIcon.height() > 120
                   ? appIcon.scaled(120, 120, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                   : std::move(appIcon)),
      dateText_(std::move(dateText)),
      localization_(localization) {}

QString PDFPageView::title() const {
    return localization_.localized(QStringLiteral("pdf.title")).arg(appName_);
}

void PDFPageView::paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.fillRect(QRectF(QPointF(0, 0), pageSize()), Qt::white);
    const Fonts fonts(painter.device());
    const double columnsTop =
        page_.index == 0 ? paintFirstHeader(painter, fonts) : paintLaterHeader(painter, fonts);
    // The footer follows the tallest column, not the foot of the page.
    paintFooter(painter, fonts, columnsTop + paintColumns(painter, fonts, columnsTop));
    painter.restore();
}

double PDFPageView::paintFirstHeader(QPainter& painter, const Fonts& fonts) const {
    const double top = pdf::margin;
    const double left = pdf::margin;
    const double right = pdf::margin + contentWidth;
    const auto centredTop = [&](double height) { return top + (firstRowHeight - height) / 2; };

    drawBrandMark(painter, QRectF(left, centredTop(firstMarkSide), firstMarkSide, firstMarkSide));

    // Trailing: the application's icon over the date.
    const bool hasIcon = !appIcon_.isNull();
    const double dateHeight = fonts.date.metrics.height();
    const double dateWidth = fonts.date.metrics.horizontalAdvance(dateText_);
    const double trailingWidth = std::max(hasIcon ? iconSide : 0.0, dateWidth);
    const double trailingHeight = (hasIcon ? iconSide + iconDateSpacing : 0.0) + dateHeight;
    double y = centredTop(trailingHeight);
    if (hasIcon) {
        // Fitted, not stretched, for the odd icon that is not square.
        const QSizeF fitted =
            QSizeF(appIcon_.size()).scaled(iconSide, iconSide, Qt::KeepAspectRatio);
        painter.drawImage(
            QRectF(right - (iconSide + fitted.width()) / 2, y + (iconSide - fitted.height()) / 2,
                   fitted.width(), fitted.height()),
            appIcon_);
        y += iconSide + iconDateSpacing;
    }
    drawLine(painter, fonts.date, muted,
             QRectF(right - trailingWidth, y, trailingWidth, dateHeight),
             Qt::AlignRight | Qt::AlignTop, dateText_);

    // Leading: the product over the title, in what the trailing stack leaves.
    const double textLeft = left + firstMarkSide + firstRowSpacing;
    const double textWidth = std::max(0.0, right - trailingWidth - firstRowSpacing - textLeft);
    const double productHeight = fonts.product.metrics.height();
    const double titleHeight = fonts.firstTitle.metrics.height();
    y = centredTop(productHeight + productTitleSpacing + titleHeight);
    const QString product =
        localization_.appLocale().toUpper(localization_.localized(QStringLiteral("app.name")));
    drawTracked(painter, fonts.product, accent, QRectF(textLeft, y, textWidth, productHeight),
                product, productTracking);
    y += productHeight + productTitleSpacing;
    drawLine(painter, fonts.firstTitle, ink, QRectF(textLeft, y, textWidth, titleHeight),
             Qt::AlignLeft | Qt::AlignTop, title());

    painter.fillRect(QRectF(left, top + firstRowHeight, contentWidth, firstRuleHeight), accent);
    // The space under the rule takes what is left of the header's height.
    return top + pdf::firstHeaderHeight;
}

double PDFPageView::paintLaterHeader(QPainter& painter, const Fonts& fonts) const {
    const double top = pdf::margin;
    const double left = pdf::margin;
    drawBrandMark(painter, QRectF(left, top + (laterRowHeight - laterMarkSide) / 2, laterMarkSide,
                                  laterMarkSide));
    const double textLeft = left + laterMarkSide + laterRowSpacing;
    drawLine(painter, fonts.laterTitle, ink,
             QRectF(textLeft, top, pdf::margin + contentWidth - textLeft, laterRowHeight),
             Qt::AlignLeft | Qt::AlignVCenter, title());
    painter.fillRect(QRectF(left, top + laterRowHeight, contentWidth, laterRuleHeight), accent);
    return top + pdf::laterHeaderHeight;
}

double PDFPageView::paintColumns(QPainter& painter, const Fonts& fonts, double top) const {
    double tallest = 0;
    const int columnCount =
        std::min<int>(static_cast<int>(page_.columns.size()), pdf::columnsPerPage);
    for (int c = 0; c < columnCount; ++c) {
        const double x = pdf::margin + c * (pdf::columnWidth + pdf::columnSpacing);
        double y = top;
        for (const PDFEntry& entry : page_.columns[static_cast<std::size_t>(c)]) {
            if (const auto* header = std::get_if<PDFHeader>(&entry)) {
                const double bottom = y + pdf::headerEntryHeight;
                painter.fillRect(
                    QRectF(x, bottom - hairlineHeight, pdf::columnWidth, hairlineHeight), hairline);
                const double height = fonts.groupTitle.metrics.height();
                const QString text = header->continued
                                         ? localization_.localized(QStringLiteral("pdf.continued"))
                                               .arg(header->title)
                                         : header->title;
                const QRectF titleBox(x, bottom - hairlineHeight - titleRuleSpacing - height,
                                      pdf::columnWidth, height);
                drawLine(painter, fonts.groupTitle, accent, titleBox, Qt::AlignLeft | Qt::AlignTop,
                         text);
                // The source after the title, in what the title leaves of the column.
                const double titleWidth =
                    std::min(fonts.groupTitle.metrics.horizontalAdvance(text), titleBox.width());
                const double gap = fonts.date.metrics.horizontalAdvance(QLatin1Char(' ')) * 2;
                if (!header->subtitle.isEmpty() && titleWidth + gap < titleBox.width()) {
                    drawLine(painter, fonts.date, muted,
                             titleBox.adjusted(titleWidth + gap, 0, 0, 0),
                             Qt::AlignLeft | Qt::AlignBottom, header->subtitle);
                }
                y = bottom;
            } else {
                const auto& item = std::get<ShortcutItem>(entry);
                const QRectF keyBox(x, y, keyBoxWidth, pdf::rowEntryHeight);
                const QString keys = item.modifiers + item.key;
                // A combination wider than its box is drawn smaller, never cut: it is the point
                // of the row.
                const double keysWidth = fonts.keys.metrics.horizontalAdvance(keys);
                if (keysWidth > keyBoxWidth) {
                    QFont smaller = fonts.keys.font;
                    smaller.setPointSizeF(smaller.pointSizeF() * keyBoxWidth / keysWidth);
                    painter.setFont(smaller);
                } else {
                    painter.setFont(fonts.keys.font);
                }
                painter.setPen(item.isEnabled ? accent : muted);
                painter.drawText(keyBox, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                                 keys);
                const double titleLeft = x + keyBoxWidth + keyTitleSpacing;
                drawLine(
                    painter, fonts.rowTitle, item.isEnabled ? ink : muted,
                    QRectF(titleLeft, y, x + pdf::columnWidth - titleLeft, pdf::rowEntryHeight),
                    Qt::AlignLeft | Qt::AlignVCenter, item.title);
                y += pdf::rowEntryHeight;
            }
        }
        tallest = std::max(tallest, y - top);
    }
    return tallest;
}

void PDFPageView::paintFooter(QPainter& painter, const Fonts& fonts, double top) const {
    const double left = pdf::margin;
    const double rowTop = top + pdf::footerHeight - footerRowHeight;
    painter.fillRect(QRectF(left, rowTop - hairlineHeight, contentWidth, hairlineHeight), hairline);
    const QString madeWith = localization_.localized(QStringLiteral("pdf.madeWith"))
                                 .arg(localization_.localized(QStringLiteral("app.name")));
    const QString pageText =
        localization_.localized(QStringLiteral("pdf.page"))
            .arg(QString::number(page_.index + 1), QString::number(pageCount_));
    const QRectF row(left, rowTop, contentWidth, footerRowHeight);
    const double pageWidth = fonts.footer.metrics.horizontalAdvance(pageText);
    drawLine(painter, fonts.footer, muted, row, Qt::AlignRight | Qt::AlignVCenter, pageText);
    drawLine(painter, fonts.footer, muted, row.adjusted(0, 0, -pageWidth - footerSpacing, 0),
             Qt::AlignLeft | Qt::AlignVCenter, madeWith);
}

}  // namespace holdsheet
