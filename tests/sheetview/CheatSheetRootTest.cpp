#include "sheetview/CheatSheetRoot.h"

#include "prefs/Preferences.h"
#include "sheetview/FooterBar.h"
#include "sheetview/HeaderBar.h"
#include "sheetview/NotRespondingLine.h"
#include "sheetview/SearchField.h"
#include "sheetview/SheetContent.h"
#include "ui/CapsuleButton.h"
#include "ui/SheetLabel.h"

#include "SheetViewHarness.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

class CheatSheetRootTest : public ::testing::Test, public SheetViewHarness {
  protected:
    CheatSheetRootTest() {
        model.setAppName("Editor");
        root.resize(1100, 500);
        root.show();
    }
    CheatSheetRoot root{model, services, false};
};

TEST_F(CheatSheetRootTest, HeaderShowsTheCountOnlyWithASheetAndTheIconOnlyWhenThereIsOne) {
    HeaderBar* header = root.header();
    EXPECT_EQ(header->name()->text(), "Editor");
    EXPECT_TRUE(header->icon()->isHidden());
    EXPECT_TRUE(header->count()->isHidden());  // loading: no sheet yet
    loaded(makeSheet({4, 1}));
    EXPECT_FALSE(header->count()->isHidden());
    EXPECT_EQ(header->count()->text(), "5 commands");
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    model.setAppIcon(icon);
    EXPECT_FALSE(header->icon()->isHidden());
}

// A window may call itself anything: a name of any length leaves the search field in view,
// cut short with its whole text in the tool tip.
TEST_F(CheatSheetRootTest, ALongApplicationNameIsCutAndKeepsTheSearchFieldInView) {
    loaded(makeSheet({4, 1}));
    const QString name = QStringLiteral("Document Editor ").repeated(60);
    model.setAppName(name);
    settle();
    HeaderBar* header = root.header();
    const QRect search = header->searchField()->geometry();
    EXPECT_LE(search.right(), header->width()) << "the search field in view";
    EXPECT_GE(search.width(), header->searchField()->minimumSizeHint().width());
    const QRect nameFrame = header->name()->geometry();
    EXPECT_LT(nameFrame.right(), search.left());
    EXPECT_TRUE(header->name()->text().endsWith(QChar(0x2026))) << "cut short, and says so";
    EXPECT_EQ(header->name()->toolTip(), model.appName());
    EXPECT_EQ(header->name()->accessibleName(), model.appName());
}

TEST_F(CheatSheetRootTest, ASheetOfAnApplicationThatStoppedAnsweringSaysSoUnderTheHeader) {
    NotRespondingLine* line = root.notRespondingLine();
    EXPECT_TRUE(line->isHidden());
    ShortcutSheet partial = makeSheet({2});
    partial.notResponding = true;
    loaded(partial);
    ASSERT_FALSE(line->isHidden());
    EXPECT_EQ(line->text(), "Editor is not responding; the sheet may be incomplete.");
    EXPECT_EQ(root.header()->count()->text(), "2 commands") << "the partial sheet is shown";
    EXPECT_GE(line->geometry().top(), root.header()->geometry().bottom());
    EXPECT_GE(line->height(), line->fontMetrics().height()) << "never cut";
    loaded(makeSheet({2}));  // the next read answered
    EXPECT_TRUE(line->isHidden());

    // Menus read only in part say so in their own words; not answering is said first.
    partial.notResponding = false;
    partial.cutShort = true;
    loaded(partial);
    ASSERT_FALSE(line->isHidden());
    EXPECT_EQ(line->text(),
              "Only part of the menus of Editor could be read; the sheet is incomplete.");
    partial.notResponding = true;
    loaded(partial);
    EXPECT_EQ(line->text(), "Editor is not responding; the sheet may be incomplete.");
}

TEST_F(CheatSheetRootTest, EveryKeystrokeFiltersAndTheClearButtonEmptiesTheQuery) {
    loaded(makeSheet({3, 3}));
    SearchField* search = root.header()->searchField();
    EXPECT_TRUE(search->clearButton()->isHidden());
    QTest::keyClicks(search->lineEdit(), "It");
    EXPECT_EQ(model.query(), "It");
    QTest::keyClick(search->lineEdit(), 'e');
    EXPECT_EQ(model.query(), "Ite");
    EXPECT_FALSE(search->clearButton()->isHidden());
    search->clearButton()->click();
    EXPECT_EQ(model.query(), "");
    EXPECT_TRUE(search->clearButton()->isHidden());
    // And back: the model's query shows in the field.
    model.setQuery("2.1");
    EXPECT_EQ(search->text(), "2.1");
}

TEST_F(CheatSheetRootTest, ALanguageChangeRebuildsTheSheetInItsDirectionAndKeepsTheQuery) {
    loaded(makeSheet({2}));
    model.setQuery("Item");
    const HeaderBar* before = root.header();
    EXPECT_EQ(root.layoutDirection(), Qt::LeftToRight);
    Preferences(store).setLanguage("he");
    EXPECT_NE(root.header(), before);
    EXPECT_EQ(root.layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(root.searchField()->text(), "Item");
    EXPECT_EQ(root.searchField()->placeholderText(), localization.localized("search.placeholder"));
    EXPECT_NE(root.searchField()->placeholderText(), "Search commands or keys");
}

TEST_F(CheatSheetRootTest, TheTextSizeSetsTheScaleOfTheWholeSheet) {
    EXPECT_DOUBLE_EQ(root.scale(), 1.0);
    Preferences(store).setTextSize(TextSize::large);
    EXPECT_DOUBLE_EQ(root.scale(), 1.18);
    Preferences(store).setGlassAmount(0.9);  // a redraw only: the tree stays
    const HeaderBar* header = root.header();
    Preferences(store).setMaterial(PanelMaterial::solid);
    EXPECT_EQ(root.header(), header);
}

TEST_F(CheatSheetRootTest, ADarkPaletteGivesLightTextInEveryStyle) {
    loaded(makeSheet({3, 2}));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 32));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 240));
    dark.setColor(QPalette::Highlight, QColor(80, 150, 255));
    root.setPalette(dark);
    const QColor name = root.header()->name()->palette().color(QPalette::WindowText);
    const QColor count = root.header()->count()->palette().color(QPalette::WindowText);
    EXPECT_EQ(name.rgb(), QColor(235, 235, 240).rgb());
    EXPECT_EQ(count.rgb(), QColor(235, 235, 240).rgb());
    EXPECT_NEAR(count.alphaF(), 0.55, 0.01);
    // Drawn dark, opaque as without a compositor.
    settle();
    const QImage image = root.grab().toImage();
    EXPECT_LT(qGray(image.pixel(image.width() / 2, image.height() - 80)), 80);
}

TEST_F(CheatSheetRootTest, FooterButtonsAreNamedForScreenReaders) {
    EXPECT_EQ(root.footer()->shareButton()->accessibleName(),
              localization.localized("share.title"));
    EXPECT_EQ(root.footer()->gearButton()->accessibleName(),
              localization.localized("menu.settings"));
    EXPECT_EQ(root.header()->searchField()->clearButton()->accessibleName(), "Clear search");
    root.footer()->shareButton()->click();  // no menu yet: nothing happens, nothing breaks
    EXPECT_TRUE(root.isVisible());
}

}  // namespace
}  // namespace holdsheet
