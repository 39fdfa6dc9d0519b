#include "export/SheetPrinting.h"

#include "export/ExportDate.h"
#include "export/PDFPageView.h"
#include "export/Pagination.h"
#include "prefs/Localization.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace holdsheet {

PageFit fitPage(const QSizeF& printable, double resolution) {
    const QSizeF page = PDFPageView::pageSize();
    const double natural = resolution / 72.0;
    const double scale = natural * std::min({1.0, printable.width() / (page.width() * natural),
                                             printable.height() / (page.height() * natural)});
    return {scale, QPointF((printable.width() - page.width() * scale) / 2,
                           (printable.height() - page.height() * scale) / 2)};
}

bool printPages(QPrinter& printer, const std::vector<ShortcutGroup>& groups, const QString& appName,
                const QImage& appIcon, const Localization& localization, QDate date) {
    const std::vector<PDFPage> pages = paginate(groups);
    const int pageCount = static_cast<int>(pages.size());
    int first = 1;
    int last = pageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(1, printer.fromPage());
        last = std::min(pageCount, printer.toPage() > 0 ? printer.toPage() : pageCount);
    }
    if (first > last) {
        return true;  // a range past the end: nothing to print
    }
    const QString dateText = exportDateText(date, localization.appLocale());

    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The painter's origin is the printable area's corner, in device pixels.
    const PageFit fit =
        fitPage(printer.pageRect(QPrinter::DevicePixel).size(), printer.resolution());
    for (int number = first; number <= last; ++number) {
        if (number > first && !printer.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.translate(fit.offset);
        painter.scale(fit.scale, fit.scale);
        PDFPageView(pages[static_cast<std::size_t>(number - 1)], pageCount, appName, appIcon,
                    dateText, localization)
            .paint(painter);
        painter.restore();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

}  // namespace holdsheet
