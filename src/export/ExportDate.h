#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace holdsheet {

// The date an export shows: day, month by its full name and year, arranged as `locale`
// arranges them ("March 13, 2025", "13 March 2025", "13. März 2025", "2025年3月13日"), with
// no weekday.
QString exportDateText(QDate date, const QLocale& locale);

}  // namespace holdsheet
