#include "app/SettingsWindowSize.h"

#include <gtest/gtest.h>

#include <optional>

namespace holdsheet {
namespace {

TEST(SettingsWindowSize, StartsAtTheFittingHeightUnlessTheContentIsNotLaidOutYet) {
    const std::pair<double, double> table[] = {{0, 520},   {150, 520}, {199.5, 520},
                                               {200, 200}, {430, 430}, {900, 900}};
    for (const auto& [fitting, height] : table) {
        EXPECT_DOUBLE_EQ(SettingsWindowSize::initialHeight(fitting), height) << fitting;
    }
}

TEST(SettingsWindowSize, ResizesForTheReportedContentKeepingTopEdgeWidthAndDecoration) {
    // 28 points of title bar over 520 of content.
    const QRectF frame(100, 50, 640, 548);
    const double content = 520;
    struct Case {
        double reported;
        std::optional<QRectF> expected;
    };
    const Case table[] = {
        {80, std::nullopt},                    // not laid out yet
        {100, std::nullopt},                   // still too small to trust
        {520.5, std::nullopt},                 // within a point
        {521, std::nullopt},                   // exactly a point
        {519, std::nullopt},                   // a point smaller
        {580, QRectF(100, 50, 640, 608)},      // grows downwards by 60
        {300, QRectF(100, 50, 640, 328)},      // shrinks upwards from the bottom
        {101, QRectF(100, 50, 640, 129)},      // the smallest trusted report
        {521.5, QRectF(100, 50, 640, 549.5)},  // just over a point
    };
    for (const auto& [reported, expected] : table) {
        EXPECT_EQ(SettingsWindowSize::resized(frame, content, reported), expected) << reported;
    }
}

}  // namespace
}  // namespace holdsheet
