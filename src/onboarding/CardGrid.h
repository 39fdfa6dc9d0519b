#pragma once

#include "onboarding/TourFeatures.h"

#include <QWidget>

#include <vector>

namespace holdsheet {

class FeatureCard;

// The feature cards in two even columns, row by row, the cards of a row ending level. Its
// height is what its width needs, so that a scroll area around it can hold it whole.
class CardGrid : public QWidget {
  public:
    static constexpr int spacing = 14;

    CardGrid(const std::vector<TourFeature>& features, double scale, QWidget* parent = nullptr);

    const std::vector<FeatureCard*>& cards() const { return cards_; }
    QSize minimumSizeHint() const override { return {}; }

  private:
    std::vector<FeatureCard*> cards_;
};

}  // namespace holdsheet
