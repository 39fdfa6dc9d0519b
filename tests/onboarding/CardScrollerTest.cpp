#include "onboarding/CardScroller.h"

#include "onboarding/CardGrid.h"
#include "onboarding/FeatureCard.h"

#include <QCoreApplication>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

QRect inScroller(const QWidget& scroller, const QWidget& widget) {
    return QRect(widget.mapTo(&scroller, QPoint(0, 0)), widget.size());
}

// Scrolling or not, in either direction, the columns stay 30 from each side: the bar
// stands in the margin on the trailing side instead of narrowing the cards.
TEST(CardScroller, TheBarStandsInTheSideMarginAndTheColumnsKeepTheirPlace) {
    const TourFeature feature{"hold", "command", QStringLiteral("Title"),
                              QStringLiteral("A text long enough to wrap over a few lines in a "
                                             "card of this narrow grid, and then some more.")};
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        for (const int height : {200, 2000}) {
            SCOPED_TRACE(std::to_string(direction) + " " + std::to_string(height));
            CardScroller scroller(new CardGrid(std::vector<TourFeature>(6, feature), 1.0), 30);
            scroller.setLayoutDirection(direction);
            scroller.resize(500, height);
            scroller.show();
            for (int turn = 0; turn < 3; ++turn) {
                QCoreApplication::processEvents();
            }
            const QScrollBar& bar = *scroller.verticalScrollBar();
            const bool scrolls = height == 200;
            EXPECT_EQ(bar.isVisible(), scrolls);
            EXPECT_EQ(bar.maximum() > 0, scrolls);
            if (scrolls) {
                const QRect place = inScroller(scroller, bar);
                EXPECT_TRUE(direction == Qt::LeftToRight ? place.left() >= 500 - 30
                                                         : place.right() < 30)
                    << place.left() << ".." << place.right();
            }
            const auto& cards = static_cast<const CardGrid*>(scroller.widget())->cards();
            const QRect leading = inScroller(scroller, *cards[0]);
            const QRect trailing = inScroller(scroller, *cards[1]);
            const QRect left = direction == Qt::LeftToRight ? leading : trailing;
            const QRect right = direction == Qt::LeftToRight ? trailing : leading;
            EXPECT_EQ(left.left(), 30);
            EXPECT_EQ(right.right() + 1, 500 - 30);
            EXPECT_EQ(left.width(), right.width());
            const QWidget& grid = *scroller.widget();
            EXPECT_GE(grid.height(), grid.heightForWidth(grid.width())) << "held whole";
        }
    }
}

}  // namespace
}  // namespace holdsheet
