#include "settings/AppearanceSettings.h"

#include "harvest/KeyNaming.h"
#include "platform/KeyCodes.h"
#include "settings/Hint.h"
#include "settings/MinMaxSlider.h"
#include "settings/Row.h"
#include "settings/SegmentedPicker.h"
#include "settings/SettingsHarness.h"
#include "settings/SheetPreview.h"
#include "sheetview/RowFonts.h"
#include "ui/SheetStyle.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using Appearance = testing::TabTest<AppearanceSettings>;

TEST_F(Appearance, WithNothingStoredShowsTheDefaults) {
    const auto tab = open();
    EXPECT_EQ(tab->materialGroup()->checkedId(), 0) << "liquid glass";
    EXPECT_TRUE(tab->glassRow()->isVisible());
    EXPECT_NEAR(tab->glassSlider()->value(), 0.65, 0.001);
    EXPECT_EQ(tab->themePicker()->selected(), 0);
    EXPECT_EQ(tab->textSizePicker()->selected(), 1);
    EXPECT_EQ(tab->textSizePicker()->segment(1)->text(), "Medium");
    // There is no glass effect on this desktop: liquid glass says so.
    EXPECT_TRUE(tab->glassUnavailableHint()->isVisible());
    const SheetPreview& preview = *tab->preview();
    EXPECT_DOUBLE_EQ(sheetFontSize(preview.titleFont()), 12.5);
    EXPECT_DOUBLE_EQ(sheetFontSize(preview.headerFont()), 12.5);
    ASSERT_EQ(preview.keyCaps().size(), 4u);
    EXPECT_DOUBLE_EQ(preview.keyCaps().front().keyFont().pointSizeF(),
                     RowFonts(0.95).key.pointSizeF());
    EXPECT_TRUE(store.writes.isEmpty()) << store.writes.join(',').toStdString();
}

// The preview is a sheet of this desktop: its keys are written as the reader writes the
// desktop's menus, which hold no Command key.
TEST(SheetPreviewRows, ShowKeysAsTheReaderNamesThisDesktopsMenus) {
    for (const auto& row : SheetPreview::sampleRows()) {
        const QString modifiers = QString::fromUtf8(row.modifiers);
        bool named = false;
        for (qint64 held = 0; held < MenuModifier::noCommand; ++held) {
            named = named || modifierSymbols(held | MenuModifier::noCommand) == modifiers;
        }
        EXPECT_TRUE(named) << row.titleKey << ": " << row.modifiers;
        EXPECT_FALSE(QString::fromUtf8(row.key).isEmpty()) << row.titleKey;
    }
}

TEST_F(Appearance, EachTextSizeSetsThePreviewsFontsAndCapsAtOnce) {
    const auto tab = open();
    struct Expected {
        int segment;
        TextSize stored;
        double fontSize;
        double scale;
    };
    const Expected table[] = {{0, TextSize::small, 11.25, 0.855},
                              {2, TextSize::large, 14.75, 1.121},
                              {1, TextSize::medium, 12.5, 0.95}};
    double previousHeight = 0;
    for (const Expected& expected : table) {
        SCOPED_TRACE(rawValue(expected.stored).toStdString());
        QTest::mouseClick(tab->textSizePicker()->segment(expected.segment), Qt::LeftButton);
        EXPECT_EQ(Preferences(store).textSize(), expected.stored);
        const SheetPreview& preview = *tab->preview();
        EXPECT_DOUBLE_EQ(sheetFontSize(preview.titleFont()), expected.fontSize);
        EXPECT_DOUBLE_EQ(preview.keyCaps()[1].keyFont().pointSizeF(),
                         RowFonts(expected.scale).key.pointSizeF());
        EXPECT_NE(preview.panelRect().height(), previousHeight);
        EXPECT_LE(preview.panelRect().height(), preview.height()) << "inside the backdrop";
        previousHeight = preview.panelRect().height();
    }
}

TEST_F(Appearance, SolidHidesTheGlassAmountAndFrostedShowsItAgainWithTheStoredAmount) {
    Preferences(store).setGlassAmount(0.3);
    const auto tab = open();
    store.writes.clear();
    tab->materialGroup()->button(2)->click();
    EXPECT_EQ(Preferences(store).material(), PanelMaterial::solid);
    EXPECT_FALSE(tab->glassRow()->isVisible());
    EXPECT_FALSE(tab->glassUnavailableHint()->isVisible());
    tab->materialGroup()->button(1)->click();
    EXPECT_EQ(Preferences(store).material(), PanelMaterial::frosted);
    EXPECT_TRUE(tab->glassRow()->isVisible());
    EXPECT_NEAR(tab->glassSlider()->value(), 0.3, 0.001);
    EXPECT_FALSE(tab->glassUnavailableHint()->isVisible()) << "only liquid glass lacks it";
    EXPECT_EQ(store.writes.size(), 2) << "the material alone";
}

TEST_F(Appearance, TheGlassAmountMovesContinuouslyAndTheThemeIsStored) {
    const auto tab = open();
    tab->glassSlider()->slider()->setValue(123);
    EXPECT_NEAR(Preferences(store).glassAmount(), 0.123, 1e-9);
    QTest::mouseClick(tab->themePicker()->segment(2), Qt::LeftButton);
    EXPECT_EQ(Preferences(store).theme(), AppTheme::dark);
    Preferences(store).setTheme(AppTheme::system);  // changed elsewhere: shown at once
    EXPECT_EQ(tab->themePicker()->selected(), 0);
}

}  // namespace
}  // namespace holdsheet
