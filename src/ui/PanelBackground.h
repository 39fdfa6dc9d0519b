#pragma once

#include "prefs/StoredEnum.h"

#include <QColor>
#include <QPalette>
#include <QRectF>
#include <QRegion>

class QPainter;

namespace holdsheet {

// The backdrop of the panel: one rounded shape in the look the user chose.
class PanelBackground {
  public:
    enum class Look { glass, frosted, solid };

    PanelBackground(PanelMaterial material, double amount, bool dark, double cornerRadius)
        : material_(material), amount_(amount), dark_(dark), cornerRadius_(cornerRadius) {}

    // The desktop's own glass effect. This desktop has none, so liquid glass draws frosted.
    static bool glassEffectAvailable() { return false; }
    // Opacity of the tint over the material: clearer glass for a higher amount.
    static double tintOpacity(double amount);

    Look look() const;
    // Glass only: the clear variant rather than the regular one.
    bool clearGlass() const { return amount_ >= 0.85; }
    // Frosted only: the thinner of the two materials.
    bool thinMaterial() const { return amount_ > 0.5; }
    // White on light, black on dark; none for solid.
    QColor tint() const;
    // The outline drawn inside the shape over the content; none for glass.
    QColor border(const QPalette& palette) const;
    double borderWidth() const;
    double cornerRadius() const { return cornerRadius_; }

    // Behind the content. `opaque` when nothing behind the window can show through.
    void paintBehind(QPainter& painter, const QRectF& rect, const QPalette& palette,
                     bool opaque) const;
    // Over the content.
    void paintOver(QPainter& painter, const QRectF& rect, const QPalette& palette) const;

  private:
    PanelMaterial material_;
    double amount_;
    bool dark_;
    double cornerRadius_;
};

// The rounded shape as a window's mask: hard-edged but correct corners where no compositor
// runs, since translucent corners would show black there.
QRegion roundedWindowMask(const QRect& rect, double cornerRadius);

}  // namespace holdsheet
