#include "export/PDFPageView.h"

#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "support/MemoryPreferenceStore.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using testing::MemoryPreferenceStore;

// The page drawn on an image of `dotsPerPoint` pixels a point, the painter scaled to points
// as a printer's would be.
QImage drawn(const PDFPageView& view, double dotsPerPoint) {
    const QSizeF size = PDFPageView::pageSize() * dotsPerPoint;
    QImage image(size.toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerPoint * 72 / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerPoint * 72 / 0.0254));
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(dotsPerPoint, dotsPerPoint);
    view.paint(painter);
    return image;
}

// Left and right ends, in points, of what is drawn between two heights.
std::pair<double, double> inkExtent(const QImage& image, double dotsPerPoint, double top,
                                    double bottom) {
    int left = image.width();
    int right = -1;
    for (int y = qRound(top * dotsPerPoint); y < qRound(bottom * dotsPerPoint); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(line[x]) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left / dotsPerPoint, (right + 1) / dotsPerPoint};
}

// What the print path relies on: a painter scaled to points gives the same page whatever the
// device's resolution, text included.
TEST(PDFPageView, DrawsTheSameInPointsOnEveryResolution) {
    MemoryPreferenceStore store;
    Preferences(store).setLanguage("en");
    const Localization l10n(store);
    PDFPage page;
    ShortcutItem item;
    item.title = QStringLiteral("Save a copy of the document");
    item.modifiers = QStringLiteral("⇧⌘");
    item.key = QStringLiteral("S");
    page.columns = {{PDFHeader{QStringLiteral("File"), false}, item}};
    const PDFPageView view(page, 1, QStringLiteral("Mousepad"), QImage(),
                           QStringLiteral("13 March 2025"), l10n);
    const double rowTop = 34 + 76 + 28;
    const QImage atPoints = drawn(view, 1);
    const QImage atPrinter = drawn(view, 300.0 / 72);
    EXPECT_EQ(atPoints.pixel(1, 1), qRgb(255, 255, 255)) << "a white page";
    for (const auto& [name, top, bottom] :
         {std::tuple{"the row", rowTop, rowTop + 14},
          std::tuple{"the letter-spaced product name", 34.0 + 10, 34.0 + 19},
          std::tuple{"the group title", rowTop - 28, rowTop - 2}}) {
        const auto [left1, right1] = inkExtent(atPoints, 1, top, bottom);
        const auto [left2, right2] = inkExtent(atPrinter, 300.0 / 72, top, bottom);
        EXPECT_NEAR(left1, left2, 1.5) << name;
        EXPECT_NEAR(right1, right2, 1.5) << name;
        EXPECT_GT(right1 - left1, 10) << name << ": something drawn";
    }
}

// The mark is the program's own drawing, embedded in the binary: every first page carries it.
TEST(PDFPageView, TheFirstPageCarriesTheMark) {
    MemoryPreferenceStore store;
    Preferences(store).setLanguage("en");
    const Localization l10n(store);
    PDFPage page;
    const PDFPageView view(page, 1, QStringLiteral("Mousepad"), QImage(),
                           QStringLiteral("13 March 2025"), l10n);
    const QImage image = drawn(view, 2);
    int coloured = 0;  // left of the product name, where the 46-point mark sits
    for (int y = 2 * 40; y < 2 * 86; ++y) {
        for (int x = 2 * 34; x < 2 * 80; ++x) {
            const QColor colour = image.pixelColor(x, y);
            coloured += colour.saturation() > 60 ? 1 : 0;
        }
    }
    EXPECT_GT(coloured, 2 * 46 * 2 * 46 / 3) << "the mark's area is mostly blank";
}

}  // namespace
}  // namespace holdsheet
