#pragma once

#include "export/AtomicFile.h"
#include "harvest/ShortcutModel.h"

#include <QDate>
#include <QImage>
#include <QString>

#include <vector>

class QIODevice;

namespace holdsheet {

class Localization;

// The whole sheet as a PDF document: landscape A4 pages laid out by paginate() and drawn by
// PDFPageView at 72 dpi with fonts embedded; the document's title is the localised
// "pdf.title" of `appName`, its creator the product's name, the date on the first page
// `date` as `localization`'s locale writes it. `appIcon` may be null.
//
// Qt sizes pages in whole points: the page is 842 × 595, where the layout counts with
// 841.89 × 595.28; the difference is a fraction of the margins.
bool renderPDF(QIODevice& device, const std::vector<ShortcutGroup>& groups, const QString& appName,
               const QImage& appIcon, const Localization& localization,
               QDate date = QDate::currentDate());

// Writes the document to `path`, replacing what is there. False when it could not be written;
// the path then holds what it held before (never half a document).
bool writePDF(const std::vector<ShortcutGroup>& groups, const QString& appName,
              const QImage& appIcon, const QString& path, const Localization& localization);

// The same, telling a file that `existing` kept from another failure; a new file is readable
// as the umask allows.
FileWrite writePDFFile(const std::vector<ShortcutGroup>& groups, const QString& appName,
                       const QImage& appIcon, const QString& path, const Localization& localization,
                       Existing existing, QDate date = QDate::currentDate());

}  // namespace holdsheet
