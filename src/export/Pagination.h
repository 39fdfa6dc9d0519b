#pragma once

#include "harvest/ShortcutModel.h"

#include <QString>
#include <QUuid>

#include <variant>
#include <vector>

namespace holdsheet {

// A group's title at the top of its entries; `continued` when the group began in an earlier
// column.
struct PDFHeader {
    QString title;
    bool continued = false;
    QString subtitle;  // where the group's shortcuts come from, when not the menu bar
};

// One line of a column: a group title or one shortcut.
using PDFEntry = std::variant<PDFHeader, ShortcutItem>;

// One page: one to three columns, left to right; a column may be empty.
struct PDFPage {
    QUuid id = QUuid::createUuid();
    int index = 0;  // position in the document, from 0
    std::vector<std::vector<PDFEntry>> columns;
};

// Lays the groups out on pages of three columns by fixed line heights (PDFLayout.h). Never
// empty: no groups give one page with one empty column. A group title is never left at the
// foot of a column without its first two rows (or its only row); a group that runs over goes
// on under a continued title.
std::vector<PDFPage> paginate(const std::vector<ShortcutGroup>& groups);

}  // namespace holdsheet
