#include "sheetview/ShortcutRow.h"

#include "sheetview/SheetStyle.h"

#include <QEnterEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

namespace holdsheet {

namespace {
constexpr int highlightMs = 120;

// The title broken into lines of `width`, the last one elided when more would follow.
QStringList wrapTitle(const QString& title, const QFont& font, double width, int maximumLines) {
    QStringList lines;
    QTextLayout layout(title, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(width);
        if (static_cast<int>(lines.size()) == maximumLines - 1) {
            const QString rest = title.mid(line.textStart()).trimmed();
            lines << QFontMetricsF(font).elidedText(rest, Qt::ElideRight, width);
            break;
        }
        lines << title.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}
}  // namespace

ShortcutRow::ShortcutRow(const ShortcutItem& item, double scale,
                         std::function<void(const ShortcutItem&)> onClick, QWidget* parent)
    : QAbstractButton(parent),
      item_(item),
      scale_(scale),
      caps_(item, scale),
      titleFont_(sheetFont(13 * scale)),
      animation_(new QVariantAnimation(this)) {
    // A disabling from outside stays: this only adds one.
    if (!item_.isEnabled) {
        setEnabled(false);
    }
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(QStringLiteral("%1, %2%3").arg(item_.title, item_.modifiers, item_.key));
    animation_->setDuration(highlightMs);
    animation_->setEasingCurve(QEasingCurve::OutCubic);
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        highlight_ = value.toDouble();
        update();
    });
    connect(this, &QAbstractButton::clicked, this, [this, onClick = std::move(onClick)] {
        if (item_.isEnabled && onClick) {
            onClick(item_);
        }
    });
}

ShortcutRow::~ShortcutRow() = default;

double ShortcutRow::titleWidth(double rowWidth) const {
    return std::max(1.0, rowWidth - 2 * horizontalPadding - capsColumn() - spacing);
}

ShortcutRow::Geometry ShortcutRow::geometry(double width) const {
    if (width == cachedWidth_) {
        return cached_;
    }
    Geometry g;
    const QFontMetricsF metrics(titleFont_);
    g.lines = wrapTitle(item_.title, titleFont_, titleWidth(width), maximumTitleLines);
    const double titleHeight =
        std::max<qsizetype>(1, g.lines.size()) * metrics.lineSpacing() - metrics.leading();
    // Aligned on the first baseline: the key's text and the title's first line.
    const double baseline = std::max(caps_.baseline(), metrics.ascent());
    const double capsTop = verticalPadding + baseline - caps_.baseline();
    const double titleTop = verticalPadding + baseline - metrics.ascent();
    const QSizeF capsSize = caps_.size();
    const double capsLeft = horizontalPadding + capsColumn() - capsSize.width();  // trailing
    const double titleLeft = horizontalPadding + capsColumn() + spacing;
    g.caps = QRectF(QPointF(capsLeft, capsTop), capsSize);
    g.title = QRectF(titleLeft, titleTop, titleWidth(width), titleHeight);
    g.height = std::max(g.caps.bottom(), g.title.bottom()) + verticalPadding;
    if (isRightToLeft()) {
        // The row mirrors; the key caps inside keep reading left to right.
        for (QRectF* rect : {&g.caps, &g.title}) {
            rect->moveLeft(width - rect->right());
        }
    }
    cachedWidth_ = width;
    cached_ = g;
    return g;
}

QRectF ShortcutRow::keyCapsRect() const {
    return geometry(width()).caps;
}

QStringList ShortcutRow::titleLines() const {
    return geometry(width()).lines;
}

QSize ShortcutRow::sizeHint() const {
    const double titleNatural = QFontMetricsF(titleFont_).horizontalAdvance(item_.title);
    const double width = 2 * horizontalPadding + capsColumn() + spacing + titleNatural;
    return {static_cast<int>(std::ceil(width)), heightForWidth(static_cast<int>(width))};
}

QSize ShortcutRow::minimumSizeHint() const {
    const int width = static_cast<int>(std::ceil(2 * horizontalPadding + capsColumn() + spacing));
    return {width, heightForWidth(width)};
}

int ShortcutRow::heightForWidth(int width) const {
    return static_cast<int>(std::ceil(geometry(width).height));
}

void ShortcutRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = primaryText(palette());
    const double lit = isEnabled() ? highlight_ : 0.0;
    if (lit > 0) {
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
        painter.fillPath(shape, withOpacity(text, hoverOpacity * lit));
    }
    if (hasFocus()) {
        painter.setPen(QPen(withOpacity(accentColour(palette()), 0.8), 1.5));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), cornerRadius,
                                cornerRadius);
    }
    painter.setOpacity(contentOpacity());
    const Geometry g = geometry(width());
    caps_.paint(painter, g.caps.topLeft(), palette());
    painter.setFont(titleFont_);
    painter.setPen(text);
    const double lineSpacing = QFontMetricsF(titleFont_).lineSpacing();
    double top = g.title.top();
    for (const QString& line : g.lines) {
        painter.drawText(QRectF(g.title.left(), top, g.title.width(), lineSpacing),
                         Qt::AlignLeading | Qt::AlignTop | Qt::TextSingleLine, line);
        top += lineSpacing;
    }
}

void ShortcutRow::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    setHovering(true);
}

void ShortcutRow::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    setHovering(false);
}

void ShortcutRow::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) {
        cachedWidth_ = -1;
        updateGeometry();
    }
}

void ShortcutRow::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    update();
}

void ShortcutRow::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    update();
}

void ShortcutRow::setHovering(bool hovering) {
    if (hovering_ == hovering) {
        return;
    }
    hovering_ = hovering;
    animateHighlight();
}

void ShortcutRow::animateHighlight() {
    animation_->stop();
    animation_->setStartValue(highlight_);
    animation_->setEndValue(hovering_ ? 1.0 : 0.0);
    animation_->start();
}

}  // namespace holdsheet
