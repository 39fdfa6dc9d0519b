#include "settings/TabButton.h"

#include "settings/SettingsTabs.h"
#include "settings/TabHighlight.h"
#include "ui/SheetStyle.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace holdsheet {

TabButton::TabButton(SettingsTab tab, const QString& title, QWidget* parent)
    : QAbstractButton(parent),
      tab_(tab),
      symbol_(settingsTabSymbol(tab), symbolSize, SymbolSource::ownDrawing),
      titleFont_(sheetFont(titleSize, QFont::Medium)) {
    setText(title);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    const double natural = QFontMetricsF(titleFont_).horizontalAdvance(title);
    if (natural > labelWidth) {
        const double scale = std::max(smallestTitleScale, labelWidth / natural);
        titleFont_ = sheetFont(titleSize * scale, QFont::Medium);
    }
}

void TabButton::setSelected(bool selected) {
    if (selected != selected_) {
        selected_ = selected;
        update();
    }
}

void TabButton::setHovering(bool hovering) {
    if (hovering != hovering_) {
        hovering_ = hovering;
        update();
    }
}

QSize TabButton::sizeHint() const {
    const double title = QFontMetricsF(titleFont_).height();
    return {labelWidth, static_cast<int>(std::ceil(2 * verticalPadding + symbolFrameHeight +
                                                   symbolSpacing + title))};
}

void TabButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    TabHighlight::paint(painter, QRectF(rect()), palette(), selected_, hovering_);
    const QColor colour = selected_ ? accentColour(palette()) : secondaryText(palette());
    const double symbolTop = verticalPadding + (symbolFrameHeight - symbolSize) / 2;
    symbol_.paint(painter, QPointF((width() - symbolSize) / 2, symbolTop), colour,
                  devicePixelRatioF());
    painter.setFont(titleFont_);
    painter.setPen(colour);
    const QFontMetricsF metrics(titleFont_);
    const QRectF line(0, verticalPadding + symbolFrameHeight + symbolSpacing, width(),
                      metrics.height());
    // Cut only once shrinking is not enough.
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                     metrics.elidedText(text(), Qt::ElideRight, width()));
}

void TabButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    if (onHover_) {
        onHover_(true);
    }
}

void TabButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    if (onHover_) {
        onHover_(false);
    }
}

}  // namespace holdsheet
