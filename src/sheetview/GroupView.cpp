#include "sheetview/GroupView.h"

#include "sheetview/SheetLabel.h"
#include "sheetview/SheetStyle.h"
#include "sheetview/ShortcutRow.h"

#include <QVBoxLayout>

namespace holdsheet {

GroupView::GroupView(const ShortcutGroup& group, double scale,
                     const std::function<void(const ShortcutItem&)>& onClick, QWidget* parent)
    : QWidget(parent),
      id_(group.id),
      title_(new SheetLabel(group.title, sheetFont(13 * scale, QFont::Bold),
                            SheetLabel::Tone::accent, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    title_->setContentsMargins(8, 0, 8, 5);
    layout->addWidget(title_);
    rows_.reserve(group.items.size());
    for (const auto& item : group.items) {
        auto* row = new ShortcutRow(item, scale, onClick, this);
        rows_.push_back(row);
        layout->addWidget(row);
    }
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

}  // namespace holdsheet
