#include "harvest/MenuBarReader.h"

#include "platform/KeyCodes.h"

#include "support/FakeAccessibility.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace holdsheet {
namespace {

using testing::FakeAccessibility;
using testing::FakeElement;

constexpr pid_t pid = 4242;

// "File: New ⌘N, Save ⇧⌘S (disabled)" per group, for readable expectations.
std::vector<std::string> describe(const std::vector<ShortcutGroup>& groups) {
    std::vector<std::string> lines;
    for (const auto& group : groups) {
        QString line = group.title + ":";
        for (const auto& item : group.items) {
            line += (&item == &group.items.front() ? " " : ", ") + item.title + " " +
                    item.modifiers + item.key;
            if (!item.isEnabled) {
                line += " (disabled)";
            }
        }
        lines.push_back(line.toStdString());
    }
    return lines;
}

using Lines = std::vector<std::string>;

class Reader : public ::testing::Test {
  protected:
    FakeElement& bar() { return ax.menuBar(pid); }
    std::vector<ShortcutGroup> read(bool includeDisabled = true) {
        return MenuBarReader(ax).readMenus(pid, includeDisabled);
    }
    FakeAccessibility ax;
};

// Menus without key equivalents and untitled ones are left out.
TEST_F(Reader, ReadsEveryMenuInMenuBarOrder) {
    // As the desktop's toolkits name them: Control, no Command.
    const qint64 control = MenuModifier::control | MenuModifier::noCommand;
    bar().menu("File").item("New").key("n").modifiers(control);
    FakeElement& plain = bar().menu("Window");
    plain.item("Zoom");
    plain.item("Bring All to Front").key("");
    FakeElement& untitled = bar().menu("");
    untitled.item("Hidden").key("h");
    bar().menu("Edit").item("Copy").key("c").modifiers(control);
    bar()
        .menu("Help")
        .item("Contents")
        .virtualKey(functionKeyVirtualKey(1))
        .modifiers(MenuModifier::noCommand);

    EXPECT_EQ(describe(read()), (Lines{"File: New ⌃N", "Edit: Copy ⌃C", "Help: Contents F1"}));
    EXPECT_FALSE(ax.wasTouchedBelow(untitled));
    EXPECT_EQ(ax.timeoutOf(pid), 1.5);
    EXPECT_TRUE(ax.timeoutSetBeforeFirstRead(pid));
}

// Per menu by title, modifiers and key; item titles are trimmed, menu titles are not.
TEST_F(Reader, DeduplicatesAndTrimsItemTitles) {
    FakeElement& edit = bar().menu("Edit");
    edit.item("Copy").key("c");
    edit.item("Copy").key("c");
    edit.item("Copy").key("c").modifiers(1);
    edit.item("Copy").key("C");  // the same after naming: still a duplicate
    edit.item("Copy Style").key("c");
    FakeElement& format = bar().menu("  Format");
    format.item("  Copy\n\t").key("c");
    format.item(" \n ").key("x");  // nothing left: no item

    EXPECT_EQ(describe(read()),
              (Lines{"Edit: Copy ⌘C, Copy ⇧⌘C, Copy Style ⌘C", "  Format: Copy ⌘C"}));
}

TEST_F(Reader, DisabledItemsFollowThePreference) {
    FakeElement& edit = bar().menu("Edit");
    edit.item("Undo").key("z").enabled(false);
    edit.item("Redo").key("z").modifiers(1).fail("AXEnabled");
    edit.item("Cut").key("x").set("AXEnabled", "yes");  // wrong type: unknown
    edit.item("Paste").key("v").enabled(true);

    EXPECT_EQ(describe(read(true)),
              (Lines{"Edit: Undo ⌘Z (disabled), Redo ⇧⌘Z, Cut ⌘X, Paste ⌘V"}));
    EXPECT_EQ(describe(read(false)), (Lines{"Edit: Redo ⇧⌘Z, Cut ⌘X, Paste ⌘V"}));
}

TEST_F(Reader, ReadsSubmenusDepthFirstAndNothingBelowTheSecondLevel) {
    FakeElement& file = bar().menu("File");
    file.item("New").key("n");
    FakeElement& recent = file.item("Open Recent").key("o").modifiers(1).submenu();
    recent.item("Clear Menu").key("k").modifiers(5);
    FakeElement& deeper = recent.item("More").submenu();
    FakeElement& deepest = deeper.item("Too Deep").key("d");
    recent.item("Reopen").key("t").modifiers(1);
    file.item("Close").key("w");

    EXPECT_EQ(describe(read()),
              (Lines{"File: New ⌘N, Open Recent ⇧⌘O, Clear Menu ⌃⇧⌘K, Reopen ⇧⌘T, Close ⌘W"}));
    // The submenu of a submenu is seen as a child but never opened.
    EXPECT_TRUE(ax.wasRead(deeper, "AXRole"));
    EXPECT_FALSE(ax.wasRead(deeper, "AXChildren"));
    EXPECT_FALSE(ax.wasTouchedBelow(deepest));
}

// Menus directly inside menus count as levels; other roles are passed over unopened.
TEST_F(Reader, MenusInsideMenusCountAsLevelsAndOtherRolesAreSkipped) {
    FakeElement& view = bar().menu("View");
    FakeElement& nested = view.addChild("AXMenu", "nested menu");  // depth 2
    nested.item("Zoom In").key("+");
    FakeElement& nested2 = nested.addChild("AXMenu", "nested 2").addChild("AXMenu", "nested 3");
    nested2.item("Gone").key("g");  // menus at depths 3 and 4: items examined at depth 4
    FakeElement& tooDeep = nested2.addChild("AXMenu", "depth 5");
    tooDeep.item("Never").key("q");
    FakeElement& edit = bar().menu("Edit");
    FakeElement& separator = edit.addChild("AXSeparator", "separator");
    separator.item("Inside").key("i");
    edit.addChild("axmenuitem", "lower case").set("AXTitle", "Lower").key("l");
    edit.addChild("AXMenuItem ", "trailing space").set("AXTitle", "Space").key("s");
    edit.addChild("", "no role").fail("AXRole").set("AXTitle", "None").key("n");
    edit.item("Find").key("f");

    EXPECT_EQ(describe(read()), (Lines{"View: Zoom In ⌘+, Gone ⌘G", "Edit: Find ⌘F"}));
    EXPECT_FALSE(ax.wasRead(tooDeep, "AXChildren"));
    EXPECT_FALSE(ax.wasRead(separator, "AXChildren"));
}

// Whole menus are read until their items reach the limit; duplicates do not count, and an
// untitled menu is passed over unread.
TEST(ReaderLimit, WholeMenusAreReadUntilTheirItemsReachTheLimit) {
    const struct {
        std::vector<std::pair<QString, int>> menus;  // title, items (all alike if negative)
        Lines read;                                  // title and item count per group
    } cases[] = {
        {{{"A", 500}, {"B", 301}, {"C", 5}}, {"A 500", "B 301"}},
        {{{"A", 500}, {"B", 300}, {"", 5}, {"C", 5}, {"D", 5}}, {"A 500", "B 300", "C 5"}},
        {{{"Huge", 900}, {"After", 3}}, {"Huge 900"}},
        {{{"Same", -900}, {"B", 2}}, {"Same 1", "B 2"}},
    };
    for (const auto& c : cases) {
        FakeAccessibility ax;
        std::vector<FakeElement*> menus;
        for (const auto& [title, items] : c.menus) {
            menus.push_back(&ax.menuBar(pid).menu(title));
            for (int i = 0; i < std::abs(items); ++i) {
                menus.back()->item(items < 0 ? title : title + QString::number(i)).key("k");
            }
        }
        Lines read;
        for (const auto& group : MenuBarReader(ax).readMenus(pid, true)) {
            read.push_back(group.title.toStdString() + " " + std::to_string(group.items.size()));
        }
        EXPECT_EQ(read, c.read);
        for (const FakeElement* menu : menus) {
            const QString title = menu->parent->label;
            if (std::none_of(read.begin(), read.end(), [&](const std::string& line) {
                    return line.starts_with(title.toStdString() + " ");
                })) {
                EXPECT_FALSE(ax.wasTouchedBelow(title.isEmpty() ? *menu : *menu->parent))
                    << "menu \"" << title.toStdString() << "\" was opened";
            }
        }
    }
}

TEST_F(Reader, WrongTypedAttributesCountAsAbsent) {
    FakeElement& menu = bar().menu("Tools");
    menu.item("Numbered").set("AXTitle", 7).key("n");                       // no title
    menu.item("Odd Mods").key("m").set("AXMenuItemCmdModifiers", "shift");  // Command alone
    menu.item("Char Number").set("AXMenuItemCmdChar", 65).virtualKey(36);   // virtual key
    menu.item("Real Mods").key("r").set("AXMenuItemCmdModifiers", 1.0);     // numbers count

    EXPECT_EQ(describe(read()), (Lines{"Tools: Odd Mods ⌘M, Char Number ⌘↩, Real Mods ⇧⌘R"}));
}

TEST_F(Reader, StopsReadingAnItemAtTheFirstMissingPart) {
    FakeElement& menu = bar().menu("Edit");
    FakeElement& untitled = menu.item("").key("u").modifiers(1);
    FakeElement& keyless = menu.item("Keyless").modifiers(1);
    menu.item("Named").key("n");

    read();
    EXPECT_FALSE(ax.wasRead(untitled, "AXMenuItemCmdChar"));
    EXPECT_TRUE(ax.wasRead(keyless, "AXMenuItemCmdVirtualKey"));
    EXPECT_FALSE(ax.wasRead(keyless, "AXMenuItemCmdModifiers"));
    EXPECT_FALSE(ax.wasRead(keyless, "AXEnabled"));
}

TEST_F(Reader, UnreachableApplicationsAndMissingMenuBarsYieldNothing) {
    EXPECT_TRUE(MenuBarReader(ax).readMenus(999, true).empty());  // no such process

    ax.application(pid);  // an application without a menu bar
    EXPECT_TRUE(read().empty());

    ax.application(pid).set("AXMenuBar", "not an element");
    EXPECT_TRUE(read().empty());

    ax.application(pid).set("AXMenuBar", AXElementRef());
    EXPECT_TRUE(read().empty());

    bar().menu("File").item("New").key("n");
    ax.application(pid).fail("AXMenuBar", AXError::cannotComplete);
    EXPECT_TRUE(read().empty());
}

TEST_F(Reader, ItemsKeepTheirElementForPressingAndEveryReadMintsFreshIds) {
    FakeElement& save = bar().menu("File").item("Save").key("s");
    std::vector<ShortcutGroup> first = read();
    const ShortcutItem copy = first.at(0).items.at(0);
    const auto second = read();
    EXPECT_NE(first[0].id, second[0].id);
    EXPECT_NE(copy.id, second[0].items[0].id);
    EXPECT_FALSE(first[0].id.isNull());
    first.clear();

    const AXBox* box = copy.action.menuBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->element.get(), &save);
    EXPECT_EQ(copy.action.keyCombination(), nullptr);
    ax.performAction(box->element, "AXPress");
    ASSERT_EQ(ax.presses().size(), 1u);
    EXPECT_EQ(ax.presses()[0].first, &save);
}

}  // namespace
}  // namespace holdsheet
