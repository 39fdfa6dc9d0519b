#pragma once

#include "export/Pagination.h"

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;

namespace holdsheet {

class Localization;

// The drawing of one exported page: a header (the full one on the first page, a short one
// after), three columns of group titles and shortcut rows, and a footer with the page number.
// Light colours on white whatever the desktop's theme: it is meant for paper.
class PDFPageView {
  public:
    // The page is landscape A4, 841.89 × 595.28 points.
    static QSizeF pageSize();

    // `dateText` is already formatted (exportDateText); `appIcon` may be null.
    PDFPageView(PDFPage page, int pageCount, QString appName, QImage appIcon, QString dateText,
                const Localization& localization);

    // Draws the page with its top-left corner at the painter's origin, one user unit a point:
    // a PDF writer at 72 dpi as it is, or any other device with the painter scaled to fit
    // (a printer: scale by the printable width over pageSize()). Text sizes follow the user
    // units whatever the device's resolution. The painter's state is restored afterwards.
    void paint(QPainter& painter) const;

  private:
    struct Fonts;
    double paintFirstHeader(QPainter& painter, const Fonts& fonts) const;
    double paintLaterHeader(QPainter& painter, const Fonts& fonts) const;
    double paintColumns(QPainter& painter, const Fonts& fonts, double top) const;
    void paintFooter(QPainter& painter, const Fonts& fonts, double top) const;
    QString title() const;

    PDFPage page_;
    int pageCount_;
    QString appName_;
    QImage appIcon_;
    QString dateText_;
    const Localization& localization_;
};

}  // namespace holdsheet
