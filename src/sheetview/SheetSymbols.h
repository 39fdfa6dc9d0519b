#pragma once

#include <QColor>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

namespace holdsheet {

// The freedesktop icon names that stand for a symbol of the sheet, best first.
QStringList themeNamesOfSymbol(const QString& symbol);

// A symbol in one colour, `size` logical pixels square: the icon theme's icon where the
// theme has one of the symbol's names, else the program's own drawing.
QPixmap symbolPixmap(const QString& symbol, double size, const QColor& colour,
                     qreal devicePixelRatio = 1.0);

// A symbol drawn in the primary text colour at an opacity, following palette changes.
class SymbolView : public QWidget {
  public:
    SymbolView(QString symbol, double size, double opacity, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    const QString& symbol() const { return symbol_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString symbol_;
    double size_;
    double opacity_;
};

}  // namespace holdsheet
