#pragma once

#include <QMargins>
#include <QPushButton>

namespace holdsheet {

// A push button whose label lies on a capsule: the thin, faintly outlined one of the
// sheet's buttons, or, for the prominent style, one filled with the accent colour.
class CapsuleTextButton : public QPushButton {
  public:
    enum class Style { plain, prominent };

    CapsuleTextButton(const QString& label, const QFont& font, QMargins padding, Style style,
                      QWidget* parent = nullptr);
    // At the large size of the onboarding windows' buttons.
    CapsuleTextButton(const QString& label, Style style, QWidget* parent = nullptr);

    Style style() const { return style_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QMargins padding_;
    Style style_;
};

}  // namespace holdsheet
