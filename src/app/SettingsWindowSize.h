#pragma once

#include <QRectF>

#include <optional>

namespace holdsheet {

// The settings window's size: a fixed width and the height its content asks for. Frames are
// in screen coordinates, y growing downwards.
struct SettingsWindowSize {
    static constexpr double width = 640;
    // A content that fits in less than this has not laid itself out yet.
    static constexpr double smallestFittingHeight = 200;
    static constexpr double fallbackHeight = 520;
    // Reports this small come from a content that is not laid out yet.
    static constexpr double smallestReportedHeight = 100;
    static constexpr double resizeThreshold = 1.0;

    // The content height the window starts with.
    static double initialHeight(double fittingHeight);

    // The frame that gives the content `reported` height, keeping the top edge, the width
    // and the decoration's share of the frame; none when the report is too small or the
    // frame is within a point of it already.
    static std::optional<QRectF> resized(const QRectF& frame, double contentHeight,
                                         double reported);
};

}  // namespace holdsheet
