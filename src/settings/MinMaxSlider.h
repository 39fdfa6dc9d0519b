#pragma once

#include <QWidget>

#include <functional>
#include <optional>

class QSlider;

namespace holdsheet {

class SheetLabel;

// A slider between two words for its ends ("Short" … "Long"), over a range of real numbers:
// in steps when a step is given, otherwise continuously (in a thousand positions).
class MinMaxSlider : public QWidget {
  public:
    static constexpr int spacing = 10;
    static constexpr int continuousPositions = 1000;

    MinMaxSlider(double minimum, double maximum, std::optional<double> step, const QString& low,
                 const QString& high, QWidget* parent = nullptr);

    double value() const;
    // Shows a value, kept on the range and on a step, without reporting it.
    void setValue(double value);
    // Called with each value the user moves the slider to.
    void onChange(std::function<void(double)> handler) { onChange_ = std::move(handler); }

    QSlider* slider() const { return slider_; }
    SheetLabel* lowLabel() const { return low_; }
    SheetLabel* highLabel() const { return high_; }

  private:
    int positionOf(double value) const;

    double minimum_;
    double maximum_;
    double increment_;  // the value of one position
    QSlider* slider_;
    SheetLabel* low_;
    SheetLabel* high_;
    std::function<void(double)> onChange_;
};

}  // namespace holdsheet
