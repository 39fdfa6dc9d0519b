#include "harvest/AccessibilityReaders.h"
#include "harvest/Performer.h"

#include "support/FakeAccessibility.h"
#include "support/FakeDesktop.h"
#include "support/QtPrinters.h"
#include "support/VirtualScheduler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace holdsheet {
namespace {

using testing::FakeAccessibility;
using testing::FakeElement;

class Readers : public ::testing::Test {
  protected:
    AXElementRef elementWith(const AXValue& value) {
        FakeElement& element = ax.application(1).addChild("AXMenuItem", "probe");
        element.set("X", value);
        return element.ref();
    }
    FakeAccessibility ax;
};

TEST_F(Readers, ConvertOnlyValuesOfTheExpectedType) {
    struct Case {
        const char* what;
        AXValue value;
        std::optional<QString> text;
        std::optional<qint64> number;
        std::optional<bool> flag;
    };
    const Case cases[] = {
        {"text", AXValue("Save"), QString("Save"), std::nullopt, std::nullopt},
        {"empty text is a text", AXValue(""), QString(""), std::nullopt, std::nullopt},
        {"integer", AXValue(42), std::nullopt, 42, true},
        {"zero", AXValue(0), std::nullopt, 0, false},
        {"real truncates", AXValue(2.9), std::nullopt, 2, true},
        {"negative real", AXValue(-2.9), std::nullopt, -2, true},
        {"boolean is a number", AXValue(true), std::nullopt, 1, true},
        {"false", AXValue(false), std::nullopt, 0, false},
        {"NaN has no integer value", AXValue(std::nan("")), std::nullopt, std::nullopt, true},
        {"huge real has no integer value", AXValue(1e300), std::nullopt, std::nullopt, true},
        {"null value", AXValue(), std::nullopt, std::nullopt, std::nullopt},
        {"element", AXValue(AXElementRef()), std::nullopt, std::nullopt, std::nullopt},
        {"element list", AXValue(AXValue::Elements{}), std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const AXElementRef element = elementWith(c.value);
        EXPECT_EQ(stringAttribute(ax, element, "X"), c.text) << c.what;
        EXPECT_EQ(intAttribute(ax, element, "X"), c.number) << c.what;
        EXPECT_EQ(boolAttribute(ax, element, "X"), c.flag) << c.what;
    }
}

TEST_F(Readers, ChildrenKeepTheirOrderAndFailedCopiesReadAsAbsent) {
    FakeElement& parent = ax.application(1).addChild("AXMenu", "parent");
    FakeElement& a = parent.addChild("AXMenuItem", "a");
    FakeElement& b = parent.addChild("AXMenuItem", "b");
    parent.set("AXChildren", AXValue::Elements{b.ref(), nullptr, a.ref()});
    const auto children = childElements(ax, parent.ref());
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0].get(), &b);
    EXPECT_EQ(children[1].get(), &a);
    parent.set("AXChildren", "not a list");
    EXPECT_TRUE(childElements(ax, parent.ref()).empty());
    parent.fail("AXChildren", AXError::invalidElement);
    EXPECT_TRUE(childElements(ax, parent.ref()).empty());

    a.set("AXTitle", "Open").fail("AXTitle", AXError::cannotComplete);
    EXPECT_EQ(stringAttribute(ax, a.ref(), "AXTitle"), std::nullopt);
    EXPECT_EQ(intAttribute(ax, a.ref(), "missing"), std::nullopt);
    EXPECT_EQ(boolAttribute(ax, a.ref(), "AXEnabled"), std::nullopt);
    EXPECT_EQ(stringAttribute(ax, AXElementRef(), "AXTitle"), std::nullopt);
}

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
