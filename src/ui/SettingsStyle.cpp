#include "ui/SettingsStyle.h"

#include "ui/SheetStyle.h"

namespace holdsheet {

QFont bodyFont(QFont::Weight weight) {
    return sheetFont(13, weight);
}

QFont captionFont() {
    return sheetFont(11);
}

Qt::Alignment leadingEdge(Qt::LayoutDirection direction) {
    return direction == Qt::RightToLeft ? Qt::AlignRight | Qt::AlignAbsolute
                                        : Qt::AlignLeft | Qt::AlignAbsolute;
}

QColor statusGreen() {
    return {52, 199, 89};
}

QColor statusOrange() {
    return {255, 149, 0};
}

}  // namespace holdsheet
