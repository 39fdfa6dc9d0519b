#include "harvest/Performer.h"

#include "support/FakeAccessibility.h"
#include "support/FakeDesktop.h"
#include "support/VirtualScheduler.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace std::chrono_literals;
using namespace holdsheet::testing;

class RecordingPoster : public KeyPoster {
  public:
    explicit RecordingPoster(std::vector<std::string>& log) : log_(log) {}
    void postKeys(std::uint16_t keyCode, std::uint64_t flags) override {
        log_.push_back("keys " + std::to_string(keyCode) + " " + std::to_string(flags));
    }

  private:
    std::vector<std::string>& log_;
};

class Perform : public ::testing::Test {
  protected:
    std::vector<std::string> log;
    VirtualScheduler scheduler;
    FakeWorkspace workspace;
    FakeAccessibility ax;
    RecordingPoster poster{log};
    Performer performer{{scheduler, workspace, ax, poster}};
    const RunningApplication target{101, "org.example.Editor", "Editor", QImage(), 7, {}};
};

TEST_F(Perform, KeysArePostedAfterTheWaitAndTheActivation) {
    ShortcutItem item;
    item.action = ShortcutAction::keys(124, 0x40000 | 0x800000);
    performer.performItem(item, target);
    scheduler.advance(119ms);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(workspace.activations.empty());
    scheduler.advance(1ms);
    ASSERT_EQ(workspace.activations.size(), 1u);
    EXPECT_EQ(workspace.activations[0].window, 7u);
    EXPECT_EQ(log, std::vector<std::string>{"keys 124 8650752"});  // the flags exactly
}

TEST_F(Perform, MenuItemsArePressedOffTheMainThreadWithoutATargetToo) {
    FakeElement& save = ax.menuBar(101).menu("File").item("Save").key("s");
    ShortcutItem item;
    item.action = ShortcutAction::menu(AXBox{save.ref()});
    performer.performItem(item, std::nullopt);
    scheduler.advance(120ms);  // runs the detached press as well
    EXPECT_TRUE(workspace.activations.empty());
    ASSERT_EQ(ax.presses().size(), 1u);
    EXPECT_EQ(ax.presses()[0].first, &save);
    EXPECT_EQ(ax.presses()[0].second, "AXPress");
}

}  // namespace
}  // namespace holdsheet
