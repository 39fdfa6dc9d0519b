#pragma once

#include <QPushButton>

namespace holdsheet {

// The one button a window leads to: filled with the accent colour, white text, large.
// Plain Qt buttons only mark the default with a thin frame.
class ProminentButton : public QPushButton {
  public:
    static constexpr int height = 32;
    static constexpr int paddingX = 18;
    static constexpr double cornerRadius = 8;

    ProminentButton(const QString& text, int minimumWidth, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int minimumWidth_;
};

// A secondary button at the same large size, in the style's own look.
void makeLarge(QPushButton& button);

}  // namespace holdsheet
