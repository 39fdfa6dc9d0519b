#include "app/SheetActions.h"

#include "support/FakeRunner.h"
#include "support/PanelHarness.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace std::chrono_literals;
using namespace holdsheet::testing;

class NoKeys : public KeyPoster {
  public:
    void postKeys(std::uint16_t keyCode, std::uint64_t) override { posted.push_back(keyCode); }
    std::vector<int> posted;
};

class RowClick : public ::testing::Test, public PanelHarness {
  protected:
    NoKeys poster;
    Performer performer{{scheduler, workspace, ax, poster}};
};

TEST_F(RowClick, DisabledRowsDoNothingEnabledOnesCloseThePanelThenRunInTheTarget) {
    controller.show();
    ShortcutItem item;
    item.isEnabled = false;
    item.action = ShortcutAction::keys(124, 0x40000);
    clickRow(item, controller, performer);
    scheduler.advance(1s);
    EXPECT_TRUE(panelVisible());
    EXPECT_TRUE(poster.posted.empty());
    EXPECT_TRUE(workspace.activations.empty());

    item.isEnabled = true;
    workspace.front = viewer;  // the front changes: the target still is the editor
    clickRow(item, controller, performer);
    scheduler.advance(140ms);
    EXPECT_FALSE(panelVisible());
    ASSERT_EQ(workspace.activations.size(), 1u);
    EXPECT_EQ(workspace.activations[0].pid, editor.pid);
    EXPECT_EQ(poster.posted, std::vector<int>{124});
}

TEST_F(RowClick, ThePermissionButtonClosesThePanelForThePromptAndTheSettings) {
    FakeRunner runner;
    PermissionMonitor permission({ax, store, scheduler, runner});
    controller.show();
    requestPermission(controller, permission);
    scheduler.advance(1s);
    EXPECT_FALSE(panelVisible());
    EXPECT_EQ(ax.prompts, 1);
    EXPECT_EQ(runner.log, std::vector<std::string>{("launch " + PermissionMonitor::settingsProgram +
                                                    " " + PermissionMonitor::accessibilityPanel)
                                                       .toStdString()});
}

}  // namespace
}  // namespace holdsheet
