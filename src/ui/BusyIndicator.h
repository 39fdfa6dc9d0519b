#pragma once

#include <QWidget>

class QTimer;

namespace holdsheet {

// The indeterminate progress indicator: a ring of fading spokes that turns while shown.
class BusyIndicator : public QWidget {
  public:
    static constexpr int regularSide = 32;
    static constexpr int spokes = 12;

    explicit BusyIndicator(QWidget* parent = nullptr) : BusyIndicator(regularSide, parent) {}
    BusyIndicator(int side, QWidget* parent);
    QSize sizeHint() const override { return {side_, side_}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    int side_;
    QTimer* timer_;
    int step_ = 0;
};

}  // namespace holdsheet
