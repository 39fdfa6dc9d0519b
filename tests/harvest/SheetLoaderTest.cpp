#include "harvest/SheetLoader.h"

#include "harvest/TitleCap.h"
#include "prefs/Preferences.h"

#include "prefs/Localization.h"
#include "support/FakeAccessibility.h"
#include "support/MemoryPreferenceStore.h"
#include "support/QtPrinters.h"
#include "support/VirtualScheduler.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using testing::FakeAccessibility;
using testing::MemoryPreferenceStore;
using testing::VirtualScheduler;

constexpr pid_t pid = 77;

class FixedHotKeys : public SystemHotKeys {
  public:
    std::optional<ValueTree> symbolicHotKeys() override { return tree; }
    std::optional<ValueTree> tree = ValueTree::Dictionary{
        {"64", ValueTree::Dictionary{
                   {"enabled", 1},
                   {"value",
                    ValueTree::Dictionary{{"parameters", ValueTree::Array{32, 49, 0x100000}}}}}}};
};

class Loader : public ::testing::Test {
  protected:
    Loader()
        : localization(store, {[] { return QStringList{"en"}; }, [] { return QLocale("en_US"); }}) {
        ax.menuBar(pid).menu("File").item("Open").key("o");
        ax.menuBar(pid).menu("Edit").item("Undo").key("z").enabled(false);
    }

    // Titles of the groups and their item counts, once the load has come back.
    std::vector<std::string> load() {
        std::optional<ShortcutSheet> result;
        SheetLoader(scheduler, ax, store, hotKeys, localization).loadGroups(pid, [&](auto sheet) {
            result = std::move(sheet);
        });
        EXPECT_FALSE(result) << "the result arrives on a later turn of the main thread";
        scheduler.runUntilIdle();
        notResponding = result.value().notResponding;
        cutShort = result.value().cutShort;
        std::vector<std::string> lines;
        for (const auto& group : result.value().groups) {
            lines.push_back(group.title.toStdString() + " " + std::to_string(group.items.size()));
        }
        return lines;
    }

    VirtualScheduler scheduler;
    FakeAccessibility ax;
    MemoryPreferenceStore store;
    FixedHotKeys hotKeys;
    Localization localization;
    bool notResponding = false;
    bool cutShort = false;
};

using Lines = std::vector<std::string>;

TEST_F(Loader, AnApplicationThatStopsAnsweringOrOverflowsGivesWhatWasReadMarkedSo) {
    // With nothing stored, the desktop's group and disabled items are in.
    EXPECT_EQ(load(), (Lines{"File 1", "Edit 1", "Desktop Shortcuts 1"}));
    EXPECT_FALSE(notResponding || cutShort);
    ax.silent.insert(pid);
    ax.menuBar(pid).child(1).fail("AXChildren");  // Edit did not answer
    EXPECT_EQ(load(), (Lines{"File 1", "Desktop Shortcuts 1"}));
    EXPECT_TRUE(notResponding);
    EXPECT_FALSE(cutShort);
    ax.silent.clear();
    ax.oversized.insert(pid);
    EXPECT_EQ(load(), (Lines{"File 1", "Desktop Shortcuts 1"}));
    EXPECT_TRUE(cutShort);
    EXPECT_FALSE(notResponding);
    ax.trusted = false;  // nothing asked: nothing timed out, nothing left out
    load();
    EXPECT_FALSE(notResponding || cutShort);
}

TEST_F(Loader, ALoadSupersededBeforeItsReadIsAnsweredEmptyAndUnread) {
    SheetLoader loader(scheduler, ax, store, hotKeys, localization);
    std::vector<ShortcutSheet> answers;
    loader.loadGroups(pid, [&](ShortcutSheet sheet) { answers.push_back(std::move(sheet)); });
    loader.loadGroups(pid, [&](ShortcutSheet sheet) { answers.push_back(std::move(sheet)); });
    scheduler.runUntilIdle();
    ASSERT_EQ(answers.size(), 2u) << "every load is answered";
    EXPECT_TRUE(answers[0].groups.empty());
    EXPECT_EQ(answers[1].groups.size(), 3u);
    EXPECT_EQ(ax.readCount(ax.menuBar(pid), "AXChildren"), 1) << "the superseded load read nothing";
}

TEST_F(Loader, ThePermissionAndThePreferencesDecide) {
    ax.trusted = false;  // only the system group, and no accessibility call
    EXPECT_EQ(load(), (Lines{"Desktop Shortcuts 1"}));
    EXPECT_TRUE(ax.reads().empty());
    Preferences(store).setShowSystemShortcuts(false);
    EXPECT_EQ(load(), Lines{});
    ax.trusted = true;
    Preferences(store).setShowDisabled(false);
    EXPECT_EQ(load(), (Lines{"File 1"}));
    Preferences(store).setShowSystemShortcuts(true);
    hotKeys.tree.reset();  // no bindings to read: no system group
    EXPECT_EQ(load(), (Lines{"File 1"}));
}

// Everything that shows, searches or exports a sheet gets it from here.
TEST_F(Loader, AFloodOfATitleIsCutToATitle) {
    const QString flood(1 << 20, QLatin1Char('W'));
    ax.menuBar(pid).menu(flood).item(flood + "Open").key("p");
    const ShortcutSheet sheet = SheetLoader(scheduler, ax, store, hotKeys, localization)
                                    .readGroups(pid, {true, true, false});
    ASSERT_EQ(sheet.groups.size(), 3u);
    const ShortcutGroup& group = sheet.groups.back();
    EXPECT_EQ(group.title.size(), titleLimit);
    EXPECT_TRUE(group.title.endsWith(QChar(0x2026)));
    ASSERT_EQ(group.items.size(), 1u);
    EXPECT_EQ(group.items[0].title.size(), titleLimit);
    EXPECT_TRUE(group.items[0].title.startsWith("WWW"));
    EXPECT_EQ(sheet.groups[0].title, "File") << "a title of a sane length is kept";
}

}  // namespace
}  // namespace holdsheet
