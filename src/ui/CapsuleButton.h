#pragma once

#include "ui/SheetSymbols.h"

#include <QAbstractButton>
#include <QFont>

class QPainter;

namespace holdsheet {

// The thin capsule with its faint outline, filling `rect`; more opaque while pressed.
void paintCapsule(QPainter& painter, const QRectF& rect, const QPalette& palette, bool pressed);

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

    QFont font_;
    SymbolPixmap symbol_;
    QMargins padding_;
};

}  // namespace holdsheet
