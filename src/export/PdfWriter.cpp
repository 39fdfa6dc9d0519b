#include "export/PdfWriter.h"

#include "export/ExportDate.h"
#include "export/PDFPageView.h"
#include "export/Pagination.h"
#include "prefs/Localization.h"

#include <QFileDevice>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace holdsheet {

bool renderPDF(QIODevice& device, const std::vector<ShortcutGroup>& groups, const QString& appName,
               const QImage& appIcon, const Localization& localization, QDate date) {
    const std::vector<PDFPage> pages = paginate(groups);
    const QString dateText = exportDateText(date, localization.appLocale());

    QPdfWriter writer(&device);
    writer.setResolution(72);  // one device unit is one point
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(localization.localized(QStringLiteral("pdf.title")).arg(appName));
    writer.setCreator(localization.localized(QStringLiteral("app.name")));

    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    const int pageCount = static_cast<int>(pages.size());
    for (const PDFPage& page : pages) {
        if (page.index > 0 && !writer.newPage()) {
            painter.end();
            return false;
        }
        PDFPageView(page, pageCount, appName, appIcon, dateText, localization).paint(painter);
    }
    if (!painter.end()) {
        return false;
    }
    // The writer does not report a device that failed it.
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    return !file || file->error() == QFileDevice::NoError;
}

FileWrite writePDFFile(const std::vector<ShortcutGroup>& groups, const QString& appName,
                       const QImage& appIcon, const QString& path, const Localization& localization,
                       Existing existing, QDate date) {
    return writeFileAtomically(path, 0666, existing, [&](QFileDevice& file) {
        return renderPDF(file, groups, appName, appIcon, localization, date);
    });
}

bool writePDF(const std::vector<ShortcutGroup>& groups, const QString& appName,
              const QImage& appIcon, const QString& path, const Localization& localization) {
    return writePDFFile(groups, appName, appIcon, path, localization, Existing::replace) ==
           FileWrite::written;
}

}  // namespace holdsheet
