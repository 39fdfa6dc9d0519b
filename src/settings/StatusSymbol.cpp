#include "settings/StatusSymbol.h"

#include <QPainter>

#include <cmath>

namespace holdsheet {

StatusSymbol::StatusSymbol(double size, QWidget* parent)
    : QWidget(parent), symbol_(QString(), size) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void StatusSymbol::setSymbol(const QString& symbol, const QColor& colour) {
    symbol_ = SymbolPixmap(symbol, symbol_.size());
    colour_ = colour;
    update();
}

QSize StatusSymbol::sizeHint() const {
    const int side = static_cast<int>(std::ceil(symbol_.size()));
    return {side, side};
}

void StatusSymbol::paintEvent(QPaintEvent*) {
    if (symbol_.symbol().isEmpty()) {
        return;
    }
    QPainter painter(this);
    const double side = symbol_.size();
    symbol_.paint(painter, QPointF((width() - side) / 2, (height() - side) / 2), colour_,
                  devicePixelRatioF());
}

}  // namespace holdsheet
