#pragma once

#include "onboarding/TourFeatures.h"

#include <QWidget>

namespace holdsheet {

class SheetLabel;

// One feature of the tour: its symbol on a tinted square, its title and its text on a
// faint rounded card. Without a title, the text sits level with the middle of the symbol.
class FeatureCard : public QWidget {
  public:
    static constexpr int padding = 14;
    static constexpr int symbolBoxSide = 40;
    static constexpr int minimumCardHeight = 100;

    // `scale`: the sheet scale of the chosen text size, for the title and the text.
    FeatureCard(const TourFeature& feature, double scale, QWidget* parent = nullptr);

    const QString& id() const { return id_; }
    QWidget* symbolBox() const { return symbolBox_; }
    // Null for an untitled feature.
    SheetLabel* title() const { return title_; }
    SheetLabel* text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString id_;
    QWidget* symbolBox_;
    SheetLabel* title_ = nullptr;
    SheetLabel* text_;
};

}  // namespace holdsheet
