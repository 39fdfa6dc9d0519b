#include "ui/PanelBackground.h"

#include <QPainter>
#include <QPainterPath>

namespace holdsheet {

namespace {
// Materials are the window colour, translucent. Nothing blurs what lies behind a window
// here, so they stay nearly opaque: sharp text behind the sheet would fight with its own.
constexpr double thinMaterialOpacity = 0.86;
constexpr double regularMaterialOpacity = 0.94;

QPainterPath roundedShape(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}
}  // namespace

double PanelBackground::tintOpacity(double amount) {
    return amount >= 0.85 ? (amount - 0.85) * 0.8 + 0.14 : (1 - amount) * 0.95;
}

PanelBackground::Look PanelBackground::look() const {
    switch (material_) {
        case PanelMaterial::liquidGlass:
            return glassEffectAvailable() ? Look::glass : Look::frosted;
        case PanelMaterial::frosted:
            return Look::frosted;
        case PanelMaterial::solid:
            return Look::solid;
    }
    return Look::frosted;
}

QColor PanelBackground::tint() const {
    if (look() == Look::solid) {
        return {};
    }
    QColor colour = dark_ ? QColor(Qt::black) : QColor(Qt::white);
    colour.setAlphaF(static_cast<float>(tintOpacity(amount_)));
    return colour;
}

QColor PanelBackground::border(const QPalette& palette) const {
    switch (look()) {
        case Look::glass:
            return {};
        case Look::frosted: {
            QColor white(Qt::white);
            white.setAlphaF(dark_ ? 0.14f : 0.45f);
            return white;
        }
        case Look::solid: {
            QColor text = palette.color(QPalette::Active, QPalette::WindowText);
            text.setAlphaF(0.12f);
            return text;
        }
    }
    return {};
}

double PanelBackground::borderWidth() const {
    switch (look()) {
        case Look::glass:
            return 0;
        case Look::frosted:
            return 0.6;
        case Look::solid:
            return 0.5;
    }
    return 0;
}

void PanelBackground::paintBehind(QPainter& painter, const QRectF& rect, const QPalette& palette,
                                  bool opaque) const {
    const QPainterPath shape = roundedShape(rect, cornerRadius_);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor base = palette.color(QPalette::Active, QPalette::Window);
    if (look() != Look::solid && !opaque) {
        base.setAlphaF(
            static_cast<float>(thinMaterial() ? thinMaterialOpacity : regularMaterialOpacity));
    }
    painter.fillPath(shape, base);
    if (const QColor over = tint(); over.isValid()) {
        painter.fillPath(shape, over);
    }
    painter.restore();
}

void PanelBackground::paintOver(QPainter& painter, const QRectF& rect,
                                const QPalette& palette) const {
    const QColor colour = border(palette);
    const double width = borderWidth();
    if (!colour.isValid() || width <= 0) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    // Inside the shape: the stroke is centred on the path, so inset it by half its width.
    const double inset = width / 2;
    painter.drawPath(
        roundedShape(rect.adjusted(inset, inset, -inset, -inset), cornerRadius_ - inset));
    painter.restore();
}

QRegion roundedWindowMask(const QRect& rect, double cornerRadius) {
    QPainterPath path;
    path.addRoundedRect(rect, cornerRadius, cornerRadius);
    return QRegion(path.toFillPolygon().toPolygon());
}

}  // namespace holdsheet
