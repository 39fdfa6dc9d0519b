#include "ui/SheetSymbols.h"

#include "ui/SheetStyle.h"

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
        {QStringLiteral("printer"),
         {QStringLiteral("document-print-symbolic"), QStringLiteral("document-print")}},
        {QStringLiteral("arrow.down.doc"),
         {QStringLiteral("document-save-as-symbolic"), QStringLiteral("document-save-as")}},
        {QStringLiteral("power"),
         {QStringLiteral("application-exit-symbolic"), QStringLiteral("application-exit")}},
        {QStringLiteral("envelope"),
         {QStringLiteral("mail-send-symbolic"), QStringLiteral("mail-message-new-symbolic"),
          QStringLiteral("mail-send")}},
        {QStringLiteral("doc.on.doc"),
         {QStringLiteral("edit-copy-symbolic"), QStringLiteral("edit-copy")}},
        {QStringLiteral("checkmark.seal.fill"),
         {QStringLiteral("emblem-ok-symbolic"), QStringLiteral("emblem-default-symbolic")}},
        {QStringLiteral("folder"),
         {QStringLiteral("folder-open-symbolic"), QStringLiteral("system-file-manager-symbolic"),
          QStringLiteral("folder-open")}},
    };
    const auto found = names.find(symbol);
    return found == names.end() ? QStringList{} : found->second;
}

QPixmap symbolPixmap(const QString& symbol, double size, const QColor& colour,
                     qreal devicePixelRatio, SymbolSource source) {
    const int pixels = std::max(1, static_cast<int>(std::lround(size * devicePixelRatio)));
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    bool drawn = false;
    const QStringList themed =
        source == SymbolSource::themeFirst ? themeNamesOfSymbol(symbol) : QStringList();
    for (const QString& name : themed) {
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

QIcon symbolIcon(const QString& symbol, double size, const QColor& colour) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        icon.addPixmap(symbolPixmap(symbol, size, colour, ratio));
    }
    return icon;
}

const QPixmap& SymbolPixmap::pixmap(const QColor& colour, qreal devicePixelRatio) {
    if (pixmap_.isNull() || colour != colour_ || devicePixelRatio != devicePixelRatio_) {
        pixmap_ = symbolPixmap(symbol_, size_, colour, devicePixelRatio, source_);
        colour_ = colour;
        devicePixelRatio_ = devicePixelRatio;
    }
    return pixmap_;
}

void SymbolPixmap::paint(QPainter& painter, const QPointF& topLeft, const QColor& colour,
                         qreal devicePixelRatio) {
    const QPixmap& drawn = pixmap(colour, devicePixelRatio);
    painter.drawPixmap(QRectF(topLeft, QSizeF(size_, size_)), drawn, QRectF(drawn.rect()));
}

SymbolView::SymbolView(QString symbol, double size, double opacity, QWidget* parent)
    : QWidget(parent), symbol_(std::move(symbol), size), opacity_(opacity) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SymbolView::sizeHint() const {
    const int side = static_cast<int>(std::ceil(symbol_.size()));
    return {side, side};
}

void SymbolView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double side = symbol_.size();
    symbol_.paint(painter, QPointF((width() - side) / 2, (height() - side) / 2),
                  withOpacity(primaryText(palette()), opacity_), devicePixelRatioF());
}

}  // namespace holdsheet
