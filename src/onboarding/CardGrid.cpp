#include "onboarding/CardGrid.h"

#include "onboarding/FeatureCard.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace holdsheet {

CardGrid::CardGrid(const std::vector<TourFeature>& features, double scale, QWidget* parent)
    : QWidget(parent) {
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);  // the side margins are the scroller's to set
    // The height follows the width; the minimum of narrow wrapped texts means nothing here.
    stack->setSizeConstraint(QLayout::SetNoConstraint);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(spacing);
    grid->setVerticalSpacing(spacing);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    stack->addLayout(grid);
    stack->addStretch(1);  // the rows keep their height; what is left lies below them
    int index = 0;
    for (const TourFeature& feature : features) {
        auto* card = new FeatureCard(feature, scale, this);
        grid->addWidget(card, index / 2, index % 2);
        cards_.push_back(card);
        ++index;
    }
}

}  // namespace holdsheet
