#include "app/SettingsWindowSize.h"

#include <cmath>

namespace holdsheet {

double SettingsWindowSize::initialHeight(double fittingHeight) {
    return fittingHeight < smallestFittingHeight ? fallbackHeight : fittingHeight;
}

std::optional<QRectF> SettingsWindowSize::resized(const QRectF& frame, double contentHeight,
                                                  double reported) {
    if (reported <= smallestReportedHeight) {
        return std::nullopt;
    }
    const double height = reported + (frame.height() - contentHeight);
    if (std::abs(height - frame.height()) <= resizeThreshold) {
        return std::nullopt;
    }
    return QRectF(frame.x(), frame.y(), frame.width(), height);
}

}  // namespace holdsheet
