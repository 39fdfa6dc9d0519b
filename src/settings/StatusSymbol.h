#pragma once

#include "ui/SheetSymbols.h"

#include <QWidget>

namespace holdsheet {

// A symbol in a colour of its own (not the text's), such as a green check.
class StatusSymbol : public QWidget {
  public:
    StatusSymbol(double size, QWidget* parent = nullptr);

    void setSymbol(const QString& symbol, const QColor& colour);
    QString symbol() const { return symbol_.symbol(); }
    QColor colour() const { return colour_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    SymbolPixmap symbol_;
    QColor colour_;
};

}  // namespace holdsheet
