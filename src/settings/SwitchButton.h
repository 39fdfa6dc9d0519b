#pragma once

#include <QAbstractButton>

namespace holdsheet {

// An on/off switch: a capsule track, in the accent colour when on, with a round knob.
class SwitchButton : public QAbstractButton {
  public:
    static constexpr int trackWidth = 36;
    static constexpr int trackHeight = 20;

    explicit SwitchButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace holdsheet
