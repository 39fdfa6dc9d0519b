#include "app/SettingsWindowController.h"

#include "app/SettingsWindowSize.h"
#include "app/WindowHarness.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace holdsheet {
namespace {

using testing::WindowHarness;

struct HintedView : QWidget {
    explicit HintedView(int height) : height(height) {}
    QSize sizeHint() const override { return {300, height}; }
    int height;
};

// A content that asks for a given height and keeps the handler it reports heights to.
struct ReportingView {
    double hint = 400;
    std::function<void(double)> onHeight;

    SettingsWindowController::ViewFactory factory() {
        return [this](std::function<void(double)> report) -> std::unique_ptr<QWidget> {
            onHeight = std::move(report);
            return std::make_unique<HintedView>(static_cast<int>(hint));
        };
    }
};

TEST(SettingsWindowController, HidesThePanelFirstThenBringsTheWindowToTheFrontTwice) {
    WindowHarness platform;
    std::vector<std::string> journal;
    platform.raiser.onRaise = [&](QWidget& window) {
        journal.push_back(window.isVisible() ? "raise shown" : "raise hidden");
    };
    SettingsWindowController settings(platform.platform(), [&] {
        journal.push_back(settings.window() ? "hide panel, window built" : "hide panel");
    });

    settings.show();
    EXPECT_EQ(journal, (std::vector<std::string>{"hide panel", "raise shown"}));
    platform.scheduler.runUntilIdle();
    EXPECT_EQ(journal, (std::vector<std::string>{"hide panel", "raise shown", "raise shown"}));
    EXPECT_EQ(platform.raiser.raised,
              (std::vector<const QWidget*>{settings.window(), settings.window()}));

    // Shown again while open: the panel still goes first, the same window comes forward.
    journal.clear();
    settings.show();
    platform.scheduler.runUntilIdle();
    EXPECT_EQ(journal,
              (std::vector<std::string>{"hide panel, window built", "raise shown", "raise shown"}));
}

TEST(SettingsWindowController, BuildsOneCentredWindowAndRetitlesItAtEveryShowing) {
    WindowHarness platform;
    SettingsWindowController settings(platform.platform(), {});
    EXPECT_EQ(settings.window(), nullptr);

    settings.show();
    QWidget* window = settings.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Holdsheet Settings");
    EXPECT_TRUE(WindowHarness::centred(*window));

    window->close();
    platform.scheduler.runUntilIdle();
    EXPECT_FALSE(window->isVisible()) << "closed in the same turn: not brought back";
    EXPECT_EQ(platform.raiser.raised.size(), 1u);
    EXPECT_EQ(settings.window(), window) << "kept when closed";
    Preferences(platform.store).setLanguage(QStringLiteral("de"));
    settings.show();
    EXPECT_EQ(settings.window(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Holdsheet-Einstellungen");
}

// Starts at the content's height, or 520 where the content is not laid out yet.
TEST(SettingsWindowController, StartsAtTheContentsHeightAndFollowsItWithItsTopEdgeFixed) {
    WindowHarness platform;
    ReportingView unsized{150, {}};
    SettingsWindowController early(platform.platform(), {}, unsized.factory());
    early.show();
    EXPECT_EQ(early.window()->size(), QSize(640, 520));

    ReportingView view;
    SettingsWindowController settings(platform.platform(), {}, view.factory());
    settings.show();
    QWidget* window = settings.window();
    ASSERT_EQ(window->height(), 400);
    const QPoint topLeft = window->pos();

    const std::pair<double, int> table[] = {
        {80, 400},     // too small to be a laid-out content
        {400.6, 400},  // within a point
        {460, 460},    // grows by 60, downwards
        {459.2, 460},  // within a point again
        {300, 300},    // shrinks
    };
    for (const auto& [reported, height] : table) {
        view.onHeight(reported);
        EXPECT_EQ(window->size(), QSize(640, height)) << reported;
        EXPECT_EQ(window->pos(), topLeft) << reported;
    }
}

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
