#pragma once

#include <QWidget>

namespace holdsheet {

// A faint rounded box that groups what lies on it: the text colour at a low opacity, so it
// reads on light and dark alike.
class RoundedBox : public QWidget {
  public:
    explicit RoundedBox(double cornerRadius, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double cornerRadius_;
};

}  // namespace holdsheet
