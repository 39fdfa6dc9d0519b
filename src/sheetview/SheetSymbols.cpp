#include "sheetview/SheetSymbols.h"

#include "sheetview/SheetStyle.h"

#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <map>

namespace holdsheet {

QStringList themeNamesOfSymbol(const QString& symbol) {
    static const std::map<QString, QStringList> names{
        {QStringLiteral("magnifyingglass"),
         {QStringLiteral("edit-find-symbolic"), QStringLiteral("system-search-symbolic"),
          QStringLiteral("edit-find")}},
        {QStringLiteral("keyboard"),
         {QStringLiteral("input-keyboard-symbolic"), QStringLiteral("input-keyboard")}},
        {QStringLiteral("lock.shield"),
         {QStringLiteral("security-high-symbolic"), QStringLiteral("channel-secure-symbolic"),
          QStringLiteral("security-high")}},
        {QStringLiteral("xmark.circle.fill"),
         {QStringLiteral("edit-clear-symbolic"), QStringLiteral("edit-clear")}},
        {QStringLiteral("square.and.arrow.up"),
         {QStringLiteral("document-send-symbolic"), QStringLiteral("emblem-shared-symbolic"),
          QStringLiteral("document-send")}},
        {QStringLiteral("gearshape"),
         {QStringLiteral("preferences-system-symbolic"), QStringLiteral("emblem-system-symbolic"),
          QStringLiteral("preferences-system")}},
    };
    const auto found = names.find(symbol);
    return found == names.end() ? QStringList{} : found->second;
}

QPixmap symbolPixmap(const QString& symbol, double size, const QColor& colour,
                     qreal devicePixelRatio) {
    const int pixels = std::max(1, static_cast<int>(std::lround(size * devicePixelRatio)));
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    bool drawn = false;
    for (const QString& name : themeNamesOfSymbol(symbol)) {
        if (QIcon::hasThemeIcon(name)) {
            QIcon::fromTheme(name).paint(&painter, pixmap.rect());
            drawn = true;
            break;
        }
    }
    if (!drawn) {
        QSvgRenderer renderer(QStringLiteral(":/symbols/%1.svg").arg(symbol));
        if (renderer.isValid()) {
            renderer.render(&painter, QRectF(pixmap.rect()));
        }
    }
    // One colour, as symbols are: the drawing's coverage filled with the colour.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), colour);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

SymbolView::SymbolView(QString symbol, double size, double opacity, QWidget* parent)
    : QWidget(parent), symbol_(std::move(symbol)), size_(size), opacity_(opacity) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SymbolView::sizeHint() const {
    const int side = static_cast<int>(std::ceil(size_));
    return {side, side};
}

void SymbolView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap pixmap = symbolPixmap(
        symbol_, size_, withOpacity(primaryText(palette()), opacity_), devicePixelRatioF());
    const QSizeF drawn(size_, size_);
    painter.drawPixmap(
        QRectF(QPointF((width() - drawn.width()) / 2, (height() - drawn.height()) / 2), drawn),
        pixmap, QRectF(pixmap.rect()));
}

}  // namespace holdsheet
