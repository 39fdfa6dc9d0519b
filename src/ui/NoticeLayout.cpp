#include "ui/NoticeLayout.h"

#include "ui/SheetStyle.h"

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
    layout->setContentsMargins(noticePadding, 0, noticePadding, 0);
    layout->setSpacing(spacing);
    // Centred; the padding above and below is given up before any text is cut.
    const auto padding = [] {
        return new QSpacerItem(0, noticePadding, QSizePolicy::Minimum, QSizePolicy::Expanding);
    };
    layout->addSpacerItem(padding());
    for (QWidget* part : parts) {
        if (auto* label = qobject_cast<QLabel*>(part)) {
            label->setAlignment(Qt::AlignHCenter);
            label->setWordWrap(true);
            label->setMaximumWidth(bodyWidth);
        }
        layout->addWidget(part, 0, Qt::AlignHCenter);
    }
    layout->addSpacerItem(padding());
}

}  // namespace holdsheet
