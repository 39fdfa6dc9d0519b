#pragma once

#include "harvest/ShortcutModel.h"

#include <QDate>
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <vector>

class QPrinter;

namespace holdsheet {

class Localization;

// Where a page goes on a printer's printable area of `printable` device pixels at
// `resolution` dots per inch: scaled from points, down to fit but never up, and centred.
struct PageFit {
    double scale;    // device pixels per point
    QPointF offset;  // of the page's corner, in device pixels from the printable area's
};
PageFit fitPage(const QSizeF& printable, double resolution);

// Prints the document the PDF holds, one printed page per page of it: each page scaled down
// to fit the printer's printable area (never up) and centred there, in the page range the
// user asked for. False when the printer fails.
bool printPages(QPrinter& printer, const std::vector<ShortcutGroup>& groups, const QString& appName,
                const QImage& appIcon, const Localization& localization,
                QDate date = QDate::currentDate());

}  // namespace holdsheet
