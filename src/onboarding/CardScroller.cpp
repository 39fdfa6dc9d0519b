#include "onboarding/CardScroller.h"

#include "onboarding/CardGrid.h"

#include <QEvent>
#include <QLayout>
#include <QScrollBar>

#include <algorithm>

namespace holdsheet {

CardScroller::CardScroller(CardGrid* grid, int sideMargin, QWidget* parent)
    : QScrollArea(parent), grid_(grid), sideMargin_(sideMargin) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    setWidget(grid_);
    // The backdrop shows through.
    grid_->setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    // As tall as the header and the footer leave room for, whatever the cards need.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    placeColumns();
    // The bar comes and goes with the scroll range.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { placeColumns(); });
}

void CardScroller::changeEvent(QEvent* event) {
    QScrollArea::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) {
        placeColumns();  // the bar changes sides
    }
}

void CardScroller::placeColumns() {
    const QScrollBar* bar = verticalScrollBar();
    const int barWidth = bar->maximum() > 0 ? bar->sizeHint().width() : 0;
    const int barSide = std::max(0, sideMargin_ - barWidth);
    // Margins are not mirrored, and the bar stands on the left in a right-to-left layout.
    const bool barOnLeft = isRightToLeft();
    grid_->layout()->setContentsMargins(barOnLeft ? barSide : sideMargin_, 0,
                                        barOnLeft ? sideMargin_ : barSide, 0);
}

}  // namespace holdsheet
