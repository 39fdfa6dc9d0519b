#pragma once

#include <QRadioButton>

namespace holdsheet {

// A radio button drawn in the settings' own manner, so that its circle shows on light and
// dark backgrounds alike: an outlined ring, filled with the accent colour when chosen.
class RadioChoice : public QRadioButton {
  public:
    static constexpr int indicatorSize = 16;
    static constexpr int spacing = 7;

    explicit RadioChoice(const QString& text, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;
};

}  // namespace holdsheet
