#pragma once

#include "harvest/ShortcutModel.h"

#include <QByteArray>
#include <QString>

namespace holdsheet {

struct DumpedApplication {
    qint64 pid = 0;
    QString name;
};

// `text` with nothing a terminal would act on rather than show: control characters (C0, DEL,
// C1) as \n, \r, \t or \xHH, and backslashes doubled so that an escape always reads as one.
// Menu titles and process names are the application's to choose.
QString printable(const QString& text);

// The sheet as `holdsheet dump` prints it: blocks of a title and right-aligned key caps, or
// one JSON object in sheet order.
QString sheetAsText(const ShortcutSheet& sheet);
QByteArray sheetAsJson(const DumpedApplication& application, const ShortcutSheet& sheet);

}  // namespace holdsheet
