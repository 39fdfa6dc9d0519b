#pragma once

#include "harvest/ShortcutModel.h"

#include <QByteArray>
#include <QString>

namespace holdsheet {

struct DumpedApplication {
    qint64 pid = 0;
    QString name;
};

// The sheet as `holdsheet dump` prints it: blocks of a title and right-aligned key caps, or
// one JSON object in sheet order.
QString sheetAsText(const ShortcutSheet& sheet);
QByteArray sheetAsJson(const DumpedApplication& application, const ShortcutSheet& sheet);

}  // namespace holdsheet
