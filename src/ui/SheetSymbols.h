#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

class QPainter;

namespace holdsheet {

// The freedesktop icon names that stand for a symbol of the sheet, best first.
QStringList themeNamesOfSymbol(const QString& symbol);

// Where a symbol's drawing comes from: the icon theme where it has one of the symbol's
// names, else the program's own; or the program's own always, for a set of symbols that
// must look alike whatever the theme.
enum class SymbolSource { themeFirst, ownDrawing };

// A symbol in one colour, `size` logical pixels square.
QPixmap symbolPixmap(const QString& symbol, double size, const QColor& colour,
                     qreal devicePixelRatio = 1.0, SymbolSource source = SymbolSource::themeFirst);

// The same as an icon for a menu or a button, at one and two device pixels per pixel.
QIcon symbolIcon(const QString& symbol, double size, const QColor& colour);

// One symbol at one size, drawn anew only when its colour or pixel ratio changes.
class SymbolPixmap {
  public:
    SymbolPixmap(QString symbol, double size, SymbolSource source = SymbolSource::themeFirst)
        : symbol_(std::move(symbol)), size_(size), source_(source) {}
    const QString& symbol() const { return symbol_; }
    double size() const { return size_; }
    const QPixmap& pixmap(const QColor& colour, qreal devicePixelRatio);
    // Draws it size × size with its top-left corner at `topLeft`.
    void paint(QPainter& painter, const QPointF& topLeft, const QColor& colour,
               qreal devicePixelRatio);

  private:
    QString symbol_;
    double size_;
    SymbolSource source_;
    QPixmap pixmap_;
    QColor colour_;
    qreal devicePixelRatio_ = 0;
};

// A symbol drawn in the primary text colour at an opacity, following palette changes.
class SymbolView : public QWidget {
  public:
    SymbolView(QString symbol, double size, double opacity, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    const QString& symbol() const { return symbol_.symbol(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    SymbolPixmap symbol_;
    double opacity_;
};

}  // namespace holdsheet
