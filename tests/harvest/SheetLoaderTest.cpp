#include "harvest/SheetLoader.h"

#include "harvest/HelpSource.h"
#include "harvest/SheetReason.h"
#include "harvest/TitleCap.h"
#include "platform/freedesktop/GtkAccelerators.h"
#include "prefs/Preferences.h"

#include "prefs/Localization.h"
#include "sheetview/SheetSamples.h"
#include "support/FakeAccessibility.h"
#include "support/MemoryPreferenceStore.h"
#include "support/QtPrinters.h"
#include "support/VirtualScheduler.h"

#include <gtest/gtest.h>

#include <mutex>

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

namespace holdsheet {
namespace {

using testing::makeItem;

ShortcutGroup group(const QString& title, std::vector<ShortcutItem> items) {
    return {QUuid::createUuid(), title, std::move(items)};
}

std::vector<std::string> describe(const std::vector<ShortcutGroup>& groups) {
    std::vector<std::string> out;
    for (const auto& g : groups) {
        std::string line = g.title.toStdString() + ":";
        for (const auto& item : g.items) {
            line += " " + (item.modifiers + item.key + " " + item.title).toStdString() + ",";
        }
        out.push_back(line);
    }
    return out;
}

TEST(AppendNewShortcuts, ALaterSourceAddsOnlyWhatIsNotThere) {
    std::vector<ShortcutGroup> sheet = {
        group("File", {makeItem("Save", "⌃", "S"), makeItem("Quit", "⌃", "Q")}),
    };
    std::vector<ShortcutGroup> help = {
        // Save the document: the same combination as the menu's Save, so left out; Close
        // differs, so in, and a second Close on the same keys is the same row.
        group("Document", {makeItem("Save the document", "⌃", "S"), makeItem("Close", "⌃", "W"),
                           makeItem("close", "⌃", "W")}),
        // The same combination under another title in the help itself: two meanings of one
        // key in two places, both shown.
        group("Search", {makeItem("Find", "⌃", "F"), makeItem("Find in files", "⌃", "F")}),
        group("General", {makeItem("Quit", "⌃", "Q")}),  // nothing new: the group goes
        group("Tabs", {makeItem("Quit", "⌃⇧", "Q")}),    // other modifiers: another combination
    };
    appendNewShortcuts(sheet, std::move(help));
    EXPECT_EQ(describe(sheet), (std::vector<std::string>{
                                   "File: ⌃S Save, ⌃Q Quit,",
                                   "Document: ⌃W Close,",
                                   "Search: ⌃F Find, ⌃F Find in files,",
                                   "Tabs: ⌃⇧Q Quit,",
                               }));
}

class FixedHelp : public ShortcutsHelp {
  public:
    Reading read(pid_t, const QStringList& languages) override {
        std::lock_guard lock(mutex);
        asked.push_back(languages);
        return reading;
    }
    std::mutex mutex;
    Reading reading{Outcome::read,
                    {{"Documents", {{"Open", {"<ctrl>o"}}, {"New Tab", {"<ctrl>t"}}}},
                     {"", {{"Fullscreen", {"F11"}}}}}};
    std::vector<QStringList> asked;
};

class FixedFacts : public ProcessFacts {
  public:
    Facts of(pid_t) const override { return facts; }
    Facts facts{true, false, false};
};

class LoaderWithHelp : public Loader {
  protected:
    ShortcutSheet read(pid_t target = pid) {
        SheetLoader loader(scheduler, ax, store, hotKeys, localization,
                           {{std::make_shared<HelpSource>(help, gtk, localization)}, &facts});
        std::optional<ShortcutSheet> result;
        loader.loadGroups(target, [&](ShortcutSheet sheet) { result = std::move(sheet); });
        scheduler.runUntilIdle();
        return result.value();
    }
    static std::vector<std::string> titles(const ShortcutSheet& sheet) {
        std::vector<std::string> out;
        for (const auto& g : sheet.groups) {
            out.push_back(g.title.toStdString() + (g.subtitle.isEmpty() ? "" : " (help)") + " " +
                          std::to_string(g.items.size()));
        }
        return out;
    }

    FixedHelp help;
    FixedFacts facts;
    GtkAccelerators gtk;
};

TEST_F(LoaderWithHelp, MenusFirstThenWhatTheHelpAddsThenTheDesktops) {
    ax.menuBar(pid).menu("Documents").item("Open…").key("o").modifiers(4 | 8);  // ⌃O
    const ShortcutSheet sheet = read();
    EXPECT_EQ(titles(sheet), (Lines{"File 1", "Edit 1", "Documents 1", "Documents (help) 1",
                                    "Shortcuts (help) 1", "Desktop Shortcuts 1"}));
    EXPECT_EQ(sheet.itemCount(), 6);
    EXPECT_EQ(sheet.gap, SheetGap::none);
    EXPECT_EQ(sheet.groups[3].items[0].title, "New Tab") << "⌃O is the menu's already";
    ASSERT_EQ(help.asked.size(), 1u);
    EXPECT_EQ(help.asked[0], (QStringList{"en_US", "en"}));
}

TEST_F(LoaderWithHelp, TheHelpIsReadWithoutThePermissionTheMenusAreNot) {
    ax.trusted = false;
    const ShortcutSheet sheet = read();
    EXPECT_EQ(titles(sheet),
              (Lines{"Documents (help) 2", "Shortcuts (help) 1", "Desktop Shortcuts 1"}));
    EXPECT_TRUE(ax.reads().empty());
    EXPECT_EQ(sheet.gap, SheetGap::none) << "the permission notice says what is missing";
}

TEST_F(LoaderWithHelp, WhyTheApplicationsOwnShortcutsAreMissing) {
    constexpr pid_t offBus = 404;  // running, but not on the accessibility bus
    constexpr pid_t bare = 505;    // on the bus, without a menu bar
    ax.application(bare);
    const ShortcutsHelp::Reading none{ShortcutsHelp::Outcome::noHelp, {}};
    const ShortcutsHelp::Reading unreadable{ShortcutsHelp::Outcome::unreadable, {}};
    const ShortcutsHelp::Reading actionsOnly{ShortcutsHelp::Outcome::read,
                                             {{"Actions", {{"Only an action", {}}}}}};
    const ProcessFacts::Facts plain{true, false, false};
    const ProcessFacts::Facts browser{true, true, false};
    const ProcessFacts::Facts forced{true, true, true};
    const struct {
        const char* name;
        pid_t pid;
        std::optional<ShortcutsHelp::Reading> help;  // none: the fixture's help with rows
        ProcessFacts::Facts facts;
        SheetGap gap;
    } cases[] = {
        {"menus", pid, none, plain, SheetGap::none},
        {"menus of a browser", pid, none, browser, SheetGap::none},
        {"off the bus", offBus, none, plain, SheetGap::notOnAccessibilityBus},
        {"off the bus, with a help", offBus, std::nullopt, plain, SheetGap::notOnAccessibilityBus},
        {"a browser off the bus", offBus, none, browser, SheetGap::browserAccessibilityOff},
        {"a forced browser off the bus", offBus, none, forced, SheetGap::notOnAccessibilityBus},
        {"no menu bar, no help", bare, none, plain, SheetGap::nothingToRead},
        {"no menu bar, an unreadable help", bare, unreadable, plain, SheetGap::nothingToRead},
        {"no menu bar, a help of actions", bare, actionsOnly, plain, SheetGap::nothingToRead},
        {"no menu bar, a help", bare, std::nullopt, plain, SheetGap::none},
        {"a browser without a tree", bare, none, browser, SheetGap::browserAccessibilityOff},
    };
    const auto withRows = help.reading;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        help.reading = c.help.value_or(withRows);
        facts.facts = c.facts;
        const ShortcutSheet sheet = read(c.pid);
        EXPECT_EQ(sheet.gap, c.gap);
        EXPECT_FALSE(sheet.notResponding);
    }
}

TEST_F(LoaderWithHelp, AnApplicationThatDoesNotAnswerIsNotOneWithoutAMenuBar) {
    ax.silent.insert(pid);
    ax.application(pid).fail("AXMenuBar", AXError::cannotComplete);
    help.reading = {ShortcutsHelp::Outcome::noHelp, {}};
    const ShortcutSheet sheet = read();
    EXPECT_TRUE(sheet.notResponding);
    EXPECT_EQ(sheet.gap, SheetGap::none);
    EXPECT_EQ(sheetReasonKey(sheet), "header.notResponding");
}

TEST(SheetReason, TheCauseTheUserCanActOnFirst) {
    const struct {
        bool notResponding;
        bool cutShort;
        SheetGap gap;
        std::optional<QString> key;
    } cases[] = {
        {false, false, SheetGap::none, std::nullopt},
        {true, true, SheetGap::notOnAccessibilityBus, "header.notResponding"},
        {false, true, SheetGap::browserAccessibilityOff, "header.browserAccessibilityOff"},
        {false, true, SheetGap::notOnAccessibilityBus, "header.notOnAccessibilityBus"},
        {false, true, SheetGap::nothingToRead, "header.cutShort"},
        {false, false, SheetGap::nothingToRead, "header.nothingToRead"},
    };
    for (const auto& c : cases) {
        ShortcutSheet sheet;
        sheet.notResponding = c.notResponding;
        sheet.cutShort = c.cutShort;
        sheet.gap = c.gap;
        EXPECT_EQ(sheetReasonKey(sheet), c.key) << static_cast<int>(c.gap);
    }
}

}  // namespace
}  // namespace holdsheet
