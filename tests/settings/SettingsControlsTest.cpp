#include "settings/MinMaxSlider.h"
#include "settings/Row.h"
#include "settings/SettingsHarness.h"
#include "settings/SettingsTabs.h"
#include "settings/SwitchButton.h"
#include "settings/TabBar.h"
#include "settings/TabButton.h"
#include "settings/TabHighlight.h"
#include "settings/ToggleRow.h"
#include "ui/SheetLabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QSlider>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using testing::SettingsHarness;

void enter(QWidget& widget) {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&widget, &event);
}
void leave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

TEST(SettingsTabs, FourInTheOrderOfTheBar) {
    EXPECT_EQ(settingsTabAt(0), SettingsTab::general);
    EXPECT_EQ(settingsTabAt(3), SettingsTab::about);
    EXPECT_FALSE(settingsTabAt(4));
    EXPECT_FALSE(settingsTabAt(-1));
}

TEST(TabHighlight, LitWhenChosenFaintUnderThePointerElseClear) {
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::black);
    EXPECT_NEAR(TabHighlight::fill(palette, true, true).alphaF(), 0.1, 1.0 / 255);
    EXPECT_NEAR(TabHighlight::fill(palette, true, false).alphaF(), 0.1, 1.0 / 255);
    EXPECT_NEAR(TabHighlight::fill(palette, false, true).alphaF(), 0.05, 1.0 / 255);
    EXPECT_EQ(TabHighlight::fill(palette, false, false).alpha(), 0);
}

TEST(TabBar, AClickChoosesATabAndAMoveToTheNeighbourLeavesTheNeighbourLit) {
    SettingsHarness platform;
    TabBar bar(platform.localization, SettingsTab::general);
    bar.show();
    std::vector<SettingsTab> chosen;
    bar.onSelect([&](SettingsTab tab) { chosen.push_back(tab); });
    bar.button(SettingsTab::content)->click();
    EXPECT_EQ(chosen, std::vector<SettingsTab>{SettingsTab::content});
    EXPECT_EQ(bar.selection(), SettingsTab::content);
    EXPECT_TRUE(bar.button(SettingsTab::content)->isSelected());
    EXPECT_FALSE(bar.button(SettingsTab::general)->isSelected());

    TabButton& general = *bar.button(SettingsTab::general);
    TabButton& appearance = *bar.button(SettingsTab::appearance);
    enter(general);
    EXPECT_EQ(bar.hovered(), SettingsTab::general);
    // The neighbour may hear of the pointer before the button it left does.
    enter(appearance);
    leave(general);
    EXPECT_EQ(bar.hovered(), SettingsTab::appearance);
    EXPECT_TRUE(appearance.isHovering());
    EXPECT_FALSE(general.isHovering());
    leave(appearance);
    EXPECT_FALSE(bar.hovered());
}

TEST(TabButton, ALongTitleShrinksToNoLessThanFourFifths) {
    const QString longTitle = QStringLiteral("Darstellungseinstellungen und mehr");
    TabButton button(SettingsTab::appearance, longTitle);
    TabButton plain(SettingsTab::general, QStringLiteral("General"));
    EXPECT_DOUBLE_EQ(plain.titleFont().pointSizeF() / button.titleFont().pointSizeF(), 1 / 0.8);
}

TEST(Row, ControlsOfRowsWithAndWithoutALabelLineUp) {
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* labelled = new Row(QStringLiteral("Hold Duration"), false, new QSlider(Qt::Horizontal));
    auto* bare = new Row(QString(), false, new QSlider(Qt::Horizontal));
    layout->addWidget(labelled);
    layout->addWidget(bare);
    form.resize(584, 200);
    form.show();
    EXPECT_EQ(bare->label()->width(), labelled->label()->width());
    EXPECT_GT(labelled->content()->x(), labelled->label()->geometry().right());
    EXPECT_EQ(bare->content()->x(), labelled->content()->x());
}

TEST(MinMaxSlider, MovesInStepsWhenGivenOneAndContinuouslyOtherwise) {
    MinMaxSlider stepped(0, 26, 1.0, "Short", "Long");
    stepped.setValue(6.4);
    EXPECT_EQ(stepped.value(), 6.0) << "shown on its step";
    stepped.setValue(-3);
    EXPECT_EQ(stepped.value(), 0.0);

    MinMaxSlider continuous(0, 1, std::nullopt, "Less", "More");
    std::vector<double> reported;
    continuous.onChange([&](double value) { reported.push_back(value); });
    continuous.setValue(0.65);
    EXPECT_TRUE(reported.empty()) << "showing a value reports nothing";
    EXPECT_NEAR(continuous.value(), 0.65, 1e-9);
    continuous.slider()->setValue(continuous.slider()->value() + 1);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_NEAR(reported.front(), 0.651, 1e-9);
    EXPECT_EQ(continuous.lowLabel()->text(), "Less");
}

TEST(ToggleRow, TheSwitchCarriesTheLabelForScreenReaders) {
    std::vector<bool> reported;
    ToggleRow row(QStringLiteral("Show Tray Icon"), true, [&](bool on) { reported.push_back(on); });
    EXPECT_TRUE(row.isOn());
    EXPECT_EQ(row.label()->text(), "Show Tray Icon");
    EXPECT_EQ(row.toggle()->accessibleName(), "Show Tray Icon");
    row.setOn(false);
    EXPECT_TRUE(reported.empty()) << "shown, not reported";
    row.toggle()->click();
    EXPECT_EQ(reported, std::vector<bool>{true});
}

}  // namespace
}  // namespace holdsheet
