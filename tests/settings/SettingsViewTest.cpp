#include "settings/SettingsView.h"

#include "settings/AboutSettings.h"
#include "settings/AppearanceSettings.h"
#include "settings/ContentSettings.h"
#include "settings/GeneralSettings.h"
#include "settings/SegmentedPicker.h"
#include "settings/SettingsHarness.h"
#include "settings/TabBar.h"
#include "settings/TabButton.h"
#include "settings/ToggleRow.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using testing::SettingsHarness;

class View : public ::testing::Test, public SettingsHarness {
  protected:
    std::unique_ptr<SettingsView> open() {
        auto view =
            std::make_unique<SettingsView>(services({"0.1.0", "7", "https://holdsheet.org"}),
                                           [this](double height) { heights.push_back(height); });
        view->show();
        settle();
        return view;
    }
    void click(SettingsView& view, SettingsTab tab) {
        QTest::mouseClick(view.tabBar()->button(tab), Qt::LeftButton);
        settle();
    }

    std::vector<double> heights;
};

// Each new height is reported, nothing for an equal one.
TEST_F(View, OpensOnGeneralEveryTimeAndReportsTheHeightOfEachTabShown) {
    const auto view = open();
    EXPECT_EQ(view->tab(), SettingsTab::general);
    EXPECT_NE(dynamic_cast<GeneralSettings*>(view->tabContent()), nullptr);
    EXPECT_EQ(view->sizeHint().width(), 640);
    ASSERT_EQ(heights.size(), 1u);
    EXPECT_EQ(heights.back(), view->contentHeight());
    EXPECT_GT(heights.back(), 300);
    // New texts of the same height: laid out again, nothing to report.
    auto* general = dynamic_cast<GeneralSettings*>(view->tabContent());
    QTest::mouseClick(general->holdKeyPicker()->segment(1), Qt::LeftButton);
    settle();
    EXPECT_EQ(heights.size(), 1u);

    click(*view, SettingsTab::about);
    EXPECT_NE(dynamic_cast<AboutSettings*>(view->tabContent()), nullptr);
    ASSERT_EQ(heights.size(), 2u);
    EXPECT_EQ(heights.back(), view->contentHeight());
    click(*view, SettingsTab::content);
    EXPECT_NE(dynamic_cast<ContentSettings*>(view->tabContent()), nullptr);
    ASSERT_EQ(heights.size(), 3u);
    EXPECT_NE(heights[2], heights[1]);
    // The same tab again: built anew, just as tall.
    click(*view, SettingsTab::content);
    EXPECT_EQ(heights.size(), 3u);

    // Every opening shows General, read afresh.
    view->hide();
    loginItems.on = true;  // changed on the desktop meanwhile
    view->show();
    settle();
    EXPECT_EQ(view->tab(), SettingsTab::general);
    EXPECT_TRUE(view->tabBar()->button(SettingsTab::general)->isSelected());
    general = dynamic_cast<GeneralSettings*>(view->tabContent());
    ASSERT_NE(general, nullptr);
    EXPECT_TRUE(general->launchAtLoginRow()->isOn());
    EXPECT_EQ(loginItems.requests, 0);
}

TEST_F(View, ContentThatGrowsOrShrinksIsReported) {
    const auto view = open();
    click(*view, SettingsTab::appearance);
    const double withGlass = heights.back();
    auto* appearance = dynamic_cast<AppearanceSettings*>(view->tabContent());
    ASSERT_NE(appearance, nullptr);
    appearance->materialGroup()->button(2)->click();  // solid: no glass amount
    settle();
    EXPECT_LT(heights.back(), withGlass);

    click(*view, SettingsTab::general);
    const double trusted = heights.back();
    setTrusted(false);  // the card grows by its explanation
    EXPECT_GT(heights.back(), trusted);
}

TEST_F(View, AnotherLanguageRebuildsTheViewInItsDirection) {
    const auto view = open();
    EXPECT_EQ(view->layoutDirection(), Qt::LeftToRight);
    click(*view, SettingsTab::appearance);
    change([](Preferences& p) { p.setLanguage(QStringLiteral("he")); });
    EXPECT_EQ(view->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(view->tabBar()->button(SettingsTab::general)->text(), "כללי");
    EXPECT_EQ(view->tab(), SettingsTab::appearance) << "the tab stays";
    const TabButton& general = *view->tabBar()->button(SettingsTab::general);
    const TabButton& about = *view->tabBar()->button(SettingsTab::about);
    EXPECT_GT(general.x(), about.x());

    change([](Preferences& p) { p.setLanguage(QStringLiteral("de")); });
    EXPECT_EQ(view->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(view->tabBar()->button(SettingsTab::general)->text(), "Allgemein");
}

// The chooser runs an event loop of its own, in which the settings file may change the
// language: the tab that opened it is built anew, and the choice still counts.
TEST_F(View, AChoiceMadeWhileTheViewIsRebuiltIsKept) {
    const auto view = open();
    click(*view, SettingsTab::content);
    auto* content = dynamic_cast<ContentSettings*>(view->tabContent());
    ASSERT_NE(content, nullptr);
    chosen = QStringLiteral("org.xfce.mousepad");
    whileChoosing = [this] {
        Preferences(store).setLanguage(QStringLiteral("de"));
        QCoreApplication::processEvents();  // the chooser's own loop
    };
    QTest::mouseClick(content->addButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(Preferences(store).excludedApps(), QStringList{"org.xfce.mousepad"});
    EXPECT_EQ(view->tabBar()->button(SettingsTab::content)->text(), "Inhalt");
    EXPECT_NE(view->tabContent(), content);
}

}  // namespace
}  // namespace holdsheet
