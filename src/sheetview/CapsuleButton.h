#pragma once

#include <QAbstractButton>
#include <QFont>

namespace holdsheet {

// A plain button on a thin capsule with a faint outline: a symbol, optionally a label.
class CapsuleButton : public QAbstractButton {
  public:
    CapsuleButton(QString symbol, const QString& label, const QFont& font, QMargins padding,
                  QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    static constexpr int symbolSpacing = 6;

    double symbolSize() const;

    QString symbol_;
    QFont font_;
    QMargins padding_;
};

}  // namespace holdsheet
