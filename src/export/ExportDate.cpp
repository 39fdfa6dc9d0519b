#include "export/ExportDate.h"

#include <QRegularExpression>

namespace holdsheet {

QString exportDateText(QDate date, const QLocale& locale) {
    // The locale's long date with the weekday taken out, together with the separators that
    // joined it to the rest ("dddd, d MMMM yyyy", "yyyy年M月d日dddd", "dddd، d MMMM yyyy").
    // Quoted literals are kept whole.
    static const QRegularExpression weekday(
        QStringLiteral(R"(('[^']*')|(?:[\s,.،，、]*\bdddd?\b[\s,.،，、]*))"));
    const QString format = locale.dateFormat(QLocale::LongFormat);
    QString pattern;
    qsizetype last = 0;
    bool removed = false;
    for (auto it = weekday.globalMatch(format); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.hasCaptured(1)) {
            continue;
        }
        pattern += format.mid(last, match.capturedStart() - last);
        // Inside the date, the weekday's separators become one space.
        const bool inside = match.capturedStart() > 0 && match.capturedEnd() < format.size();
        if (inside) {
            pattern += QLatin1Char(' ');
        }
        last = match.capturedEnd();
        removed = true;
    }
    pattern += format.mid(last);
    if (!removed || pattern.trimmed().isEmpty()) {
        pattern = format;
    }
    return locale.toString(date, pattern.trimmed());
}

}  // namespace holdsheet
