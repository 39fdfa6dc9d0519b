#include "export/SheetPrinting.h"

#include "prefs/Localization.h"
#include "support/MemoryPreferenceStore.h"

#include "PdfTools.h"
#include "sheetview/SheetSamples.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

TEST(FitPage, ScalesThePageDownToThePrintableAreaNeverUpAndCentresIt) {
    // Landscape A4 is 841.89 × 595.28 points.
    const struct {
        const char* name;
        QSizeF printable;
        double resolution;
        double scale;
        QPointF offset;
    } cases[] = {
        {"room to spare at 72 dpi", {1000, 700}, 72, 1.0, {79.055, 52.36}},
        {"room to spare at 600 dpi: points to pixels only",
         {8000, 6000},
         600,
         600 / 72.0,
         {492.125, 519.667}},
        {"too narrow: the width decides", {421, 595.28}, 72, 421 / 841.89, {0, 148.81}},
        {"too low: the height decides", {841.89, 297.64}, 72, 0.5, {210.4725, 0}},
        {"letter paper at 300 dpi inside 0.25 in margins",
         {3150, 2400},
         300,
         3150 / 841.89,
         {0, (2400 - 595.28 * 3150 / 841.89) / 2}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const PageFit fit = fitPage(test.printable, test.resolution);
        EXPECT_NEAR(fit.scale, test.scale, 1e-6);
        EXPECT_NEAR(fit.offset.x(), test.offset.x(), 0.01);
        EXPECT_NEAR(fit.offset.y(), test.offset.y(), 0.01);
    }
}

// Enough rows for three pages.
std::vector<ShortcutGroup> threePages() {
    std::vector<ShortcutGroup> groups;
    for (int g = 0; g < 3; ++g) {
        ShortcutGroup group;
        group.title = QStringLiteral("Menu %1").arg(g + 1);
        for (int i = 0; i < 80; ++i) {
            group.items.push_back(makeItem(QStringLiteral("Command %1").arg(i + 1), "⌘", "K"));
        }
        groups.push_back(group);
    }
    return groups;
}

TEST(PrintPages, OnePrintedPagePerPageInTheRangeAsked) {
    QTemporaryDir folder;
    MemoryPreferenceStore store;
    const Localization localization(
        store, {[] { return QStringList{"en"}; }, [] { return QLocale("en_US"); }});
    const struct {
        const char* name;
        int from, to;  // 0: all
        int pages;
    } cases[] = {
        {"all", 0, 0, 3}, {"the last two", 2, 3, 2}, {"past the end", 2, 9, 2}, {"one", 1, 1, 1}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const QString out = folder.filePath(QString::fromLatin1(test.name) + ".pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        printer.setPageOrientation(QPageLayout::Landscape);
        if (test.from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(test.from, test.to);
        }
        EXPECT_TRUE(printPages(printer, threePages(), "Editor", QImage(), localization));
        EXPECT_EQ(pageCountOf(out), test.pages);
    }
}

}  // namespace
}  // namespace holdsheet
