#pragma once

#include <QMargins>
#include <QPushButton>

namespace holdsheet {

// A plain push button whose label lies on the thin, faintly outlined capsule of the
// sheet's buttons.
class CapsuleTextButton : public QPushButton {
  public:
    CapsuleTextButton(const QString& label, const QFont& font, QMargins padding,
                      QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QMargins padding_;
};

}  // namespace holdsheet
