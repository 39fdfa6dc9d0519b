#include "settings/Row.h"

#include "ui/SettingsStyle.h"
#include "ui/SheetLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLayout>

#include <algorithm>

namespace holdsheet {

Row::Row(const QString& label, bool top, QWidget* content, QWidget* parent)
    : QWidget(parent),
      label_(new SheetLabel(label, bodyFont(), SheetLabel::Tone::primary, this)),
      content_(content),
      top_(top) {
    label_->setWordWrap(true);
    label_->setFixedWidth(labelWidth);
    label_->setAlignment(Qt::AlignTrailing | (top ? Qt::AlignTop : Qt::AlignVCenter));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    const Qt::Alignment vertical = top ? Qt::AlignTop : Qt::AlignVCenter;
    layout->addWidget(label_, 0, vertical);
    // Content that does not grow sits at the leading edge, in either writing direction.
    const bool grows = content->sizePolicy().horizontalPolicy() & QSizePolicy::GrowFlag;
    layout->addWidget(content, 1, grows ? vertical : vertical | Qt::AlignLeading);
    alignLabel();
}

void Row::setFirstLineHeight(int height) {
    firstLineHeight_ = height;
    alignLabel();
}

int Row::firstLineHeight() const {
    if (firstLineHeight_ >= 0) {
        return firstLineHeight_;
    }
    if (QLayout* layout = content_->layout(); layout && layout->count() > 0) {
        return layout->itemAt(0)->sizeHint().height();
    }
    return content_->sizeHint().height();
}

void Row::alignLabel() {
    if (!top_) {
        return;
    }
    const int line = QFontMetrics(label_->font()).height();
    const int inset = std::max(0, (firstLineHeight() - line) / 2);
    if (label_->contentsMargins().top() != inset) {
        label_->setContentsMargins(0, inset, 0, 0);
    }
}

bool Row::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest) {
        alignLabel();  // the content's first line may have changed
    }
    return QWidget::event(event);
}

}  // namespace holdsheet
