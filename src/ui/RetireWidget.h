#pragma once

#include <QWidget>

namespace holdsheet {

// Out of sight now, deleted once the event that led here is done: a click inside it may be
// what brought us here, or a dialog it opened may still be running.
inline void retireWidget(QWidget* widget) {
    if (widget) {
        widget->hide();
        widget->deleteLater();
    }
}

}  // namespace holdsheet
