#include "settings/ContentSettings.h"

#include "settings/AppLabel.h"
#include "settings/ApplicationChooser.h"
#include "settings/ExcludedList.h"
#include "settings/Hint.h"
#include "settings/SettingsHarness.h"
#include "settings/SwitchButton.h"
#include "settings/ToggleRow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using testing::SettingsHarness;

class Content : public testing::TabTest<ContentSettings> {
  protected:
    QStringList stored() { return Preferences(store).excludedApps(); }
    // The texts of the list's entries, or of its empty line.
    static QStringList shown(const ContentSettings& tab) {
        return testing::shownTexts(*tab.excludedList());
    }
};

TEST_F(Content, WithNothingStoredBothSwitchesAreOnAndNoAppIsExcluded) {
    const auto tab = open();
    EXPECT_TRUE(tab->showSystemRow()->isOn());
    EXPECT_TRUE(tab->showDisabledRow()->isOn());
    EXPECT_EQ(shown(*tab), QStringList{"No excluded apps"});
    EXPECT_EQ(tab->help()->text(),
              "Holding Super does not open Holdsheet while one of these apps is in front. Useful "
              "for apps that use the Super key themselves, such as games or remote desktops.");
    QTest::mouseClick(tab->showDisabledRow()->toggle(), Qt::LeftButton);
    EXPECT_FALSE(Preferences(store).showDisabled());
}

TEST_F(Content, AddingTheSameAppTwiceKeepsOneEntryAndWritesOnceAndCancellingChangesNothing) {
    const auto tab = open();
    QTest::mouseClick(tab->addButton(), Qt::LeftButton);
    EXPECT_EQ(choices, 1);
    EXPECT_TRUE(store.writes.isEmpty()) << "cancelled";
    chosen = QStringLiteral("org.xfce.mousepad");
    QTest::mouseClick(tab->addButton(), Qt::LeftButton);
    QTest::mouseClick(tab->addButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(choices, 3);
    EXPECT_EQ(stored(), QStringList{"org.xfce.mousepad"});
    EXPECT_EQ(store.writes.size(), 1);
    EXPECT_EQ(shown(*tab), QStringList{"Mousepad"});

    chosen = QStringLiteral("FeatherPad");
    QTest::mouseClick(tab->addButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(stored(), (QStringList{"org.xfce.mousepad", "FeatherPad"}));
    EXPECT_EQ(shown(*tab), (QStringList{"Mousepad", "FeatherPad"}));
}

// An app no longer installed shows its id; removing an entry removes every copy of it.
TEST_F(Content, RemovingEntriesStoresTheRestAndAnEmptyListSaysSo) {
    Preferences(store).setExcludedApps(
        QStringList{"org.example.Gone", "FeatherPad", "org.example.Gone"});
    const auto tab = open();
    const auto labels = testing::shownWidgets<AppLabel>(*tab->excludedList());
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_FALSE(labels[0]->found());
    EXPECT_EQ(labels[0]->name()->text(), "org.example.Gone");
    EXPECT_TRUE(labels[1]->found()) << "known by the window class its entry names";
    store.writes.clear();
    ASSERT_TRUE(tab->excludedList()->removeButton(0)->isVisible());
    QTest::mouseClick(tab->excludedList()->removeButton(0), Qt::LeftButton);
    settle();
    EXPECT_EQ(stored(), QStringList{"FeatherPad"});
    EXPECT_EQ(shown(*tab), QStringList{"FeatherPad"});
    ASSERT_NE(tab->excludedList()->removeButton(0), nullptr);
    EXPECT_EQ(tab->excludedList()->removeButton(0)->accessibleName(), "Remove FeatherPad");
    QTest::mouseClick(tab->excludedList()->removeButton(0), Qt::LeftButton);
    settle();
    EXPECT_EQ(store.writes.size(), 2);
    EXPECT_EQ(stored(), QStringList());
    EXPECT_EQ(shown(*tab), QStringList{"No excluded apps"});
}

// The settings file edited while the tab is open: the list shows it, and an edit here
// starts from it rather than writing the older list back.
TEST_F(Content, EditsMadeElsewhereMeanwhileAreKept) {
    Preferences(store).setExcludedApps(QStringList{"org.xfce.mousepad"});
    const auto tab = open();
    Preferences(store).setExcludedApps(QStringList{"org.xfce.mousepad", "org.example.Game"});
    settle();
    EXPECT_EQ(shown(*tab), (QStringList{"Mousepad", "org.example.Game"}));
    chosen = QStringLiteral("FeatherPad");
    QTest::mouseClick(tab->addButton(), Qt::LeftButton);
    EXPECT_EQ(stored(), (QStringList{"org.xfce.mousepad", "org.example.Game", "FeatherPad"}));
}

TEST(ApplicationChooser, ListsTheAppsByNameFindsThemAndGivesTheIdTheirWindowsCarry) {
    SettingsHarness platform;
    platform.applications.applications.push_back(
        {"org.gnome.Calculator", "calculator", "", QIcon()});
    ApplicationChooser chooser(platform.applications, platform.localization);
    EXPECT_EQ(chooser.shownNames(), (QStringList{"calculator", "FeatherPad", "Mousepad"}));
    EXPECT_EQ(chooser.windowTitle(), "Choose an App to Exclude");
    EXPECT_EQ(chooser.chooseButton()->text(), "Exclude");

    const std::pair<const char*, QStringList> searches[] = {
        {"PAD", {"FeatherPad", "Mousepad"}},
        {"xfce", {"Mousepad"}},  // the entry's id counts too
        {"nothing like it", {}},
    };
    for (const auto& [text, names] : searches) {
        chooser.searchField()->setText(QString::fromUtf8(text));
        EXPECT_EQ(chooser.shownNames(), names) << text;
    }
    EXPECT_FALSE(chooser.selectedId());
    EXPECT_FALSE(chooser.chooseButton()->isEnabled());

    chooser.searchField()->setText("mouse");
    EXPECT_EQ(chooser.selectedId(), "org.xfce.mousepad") << "the first match, ready for Return";
    EXPECT_TRUE(chooser.chooseButton()->isEnabled());
    chooser.searchField()->setText("feather");
    EXPECT_EQ(chooser.selectedId(), "FeatherPad") << "the window class its entry names";
}

}  // namespace
}  // namespace holdsheet
