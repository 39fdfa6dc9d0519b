#include "sheetview/NoticeLayout.h"

#include "sheetview/SheetStyle.h"

#include <QLabel>
#include <QVBoxLayout>

namespace holdsheet {

QFont headlineFont() {
    return sheetFont(13, QFont::DemiBold);
}

QFont calloutFont() {
    return sheetFont(12);
}

void layOutNotice(QWidget& notice, std::initializer_list<QWidget*> parts, int spacing,
                  int bodyWidth) {
    auto* layout = new QVBoxLayout(&notice);
    layout->setContentsMargins(30, 30, 30, 30);
    layout->setSpacing(spacing);
    layout->addStretch(1);
    for (QWidget* part : parts) {
        if (auto* label = qobject_cast<QLabel*>(part)) {
            label->setAlignment(Qt::AlignHCenter);
            label->setWordWrap(true);
            label->setMaximumWidth(bodyWidth);
        }
        layout->addWidget(part, 0, Qt::AlignHCenter);
    }
    layout->addStretch(1);
}

}  // namespace holdsheet
