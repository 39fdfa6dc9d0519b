#include "sheetview/ColumnsView.h"

#include "sheetview/GroupView.h"
#include "sheetview/SheetLayout.h"
#include "sheetview/SheetStyle.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace holdsheet {

ColumnsView::ColumnsView(const std::vector<ShortcutGroup>& groups, int columnCount, double scale,
                         const std::function<void(const ShortcutItem&)>& onClick, QWidget* parent)
    : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setSpacing(columnSpacing);
    row->setContentsMargins(horizontalPadding, verticalPadding, horizontalPadding, verticalPadding);
    for (const auto& columnGroups : splitIntoColumns(groups, columnCount)) {
        auto* column = new QWidget(this);
        // Ignored widths: every column gets the same share, whatever its content.
        QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        column->setSizePolicy(policy);
        auto* stack = new QVBoxLayout(column);
        stack->setSpacing(groupSpacing);
        stack->setContentsMargins(columnPadding, 0, columnPadding, 0);
        std::vector<GroupView*> views;
        for (const auto& group : columnGroups) {
            auto* view = new GroupView(group, scale, onClick, column);
            views.push_back(view);
            stack->addWidget(view);
        }
        stack->addStretch(1);
        columns_.push_back(column);
        groupViews_.push_back(std::move(views));
        row->addWidget(column, 1);
    }
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ColumnsView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor colour = withOpacity(primaryText(palette()), dividerOpacity);
    for (std::size_t i = 0; i + 1 < columns_.size(); ++i) {
        const QRect frame = columns_[i]->geometry();
        // At the trailing edge, which is the left one in a right-to-left layout.
        const double x = isRightToLeft() ? frame.left() : frame.right() + 1 - dividerWidth;
        painter.fillRect(QRectF(x, frame.top(), dividerWidth, frame.height()), colour);
    }
}

void ColumnsView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size().height() != event->oldSize().height()) {
        emit heightChanged(event->size().height());
    }
}

}  // namespace holdsheet
