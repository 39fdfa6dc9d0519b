#include "onboarding/TourView.h"

#include "onboarding/CardGrid.h"
#include "onboarding/CardScroller.h"
#include "onboarding/FeatureCard.h"
#include "onboarding/TourFeatures.h"
#include "prefs/HoldKeyTexts.h"
#include "prefs/Languages.h"
#include "settings/SettingsHarness.h"
#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"
#include "ui/SheetSymbols.h"

#include <QFontMetrics>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using testing::inView;

class TourViewTest : public ::testing::Test, public testing::SettingsHarness {
  protected:
    std::unique_ptr<TourView> open(bool translucent = false) {
        auto view = std::make_unique<TourView>(
            store, localization, translucent, [this] { ++settingsCalls; }, [this] { ++doneCalls; });
        view->setAttribute(Qt::WA_TranslucentBackground, translucent);
        view->show();
        settle();
        return view;
    }

    int settingsCalls = 0;
    int doneCalls = 0;
};

// Rows of two in the table's order, top-aligned and level, in two even columns; the first
// of each row on the leading side, each row below the last.
void expectRowsOfTwo(const TourView& view, bool rightToLeft) {
    ASSERT_EQ(view.cards().size(), 6u);
    int previousBottom = 0;
    for (std::size_t row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        const QRect first = inView(view, *view.cards()[2 * row]);
        const QRect second = inView(view, *view.cards()[2 * row + 1]);
        EXPECT_EQ(first.top(), second.top());
        EXPECT_EQ(first.height(), second.height());
        EXPECT_EQ(first.width(), second.width());
        EXPECT_EQ(first.left() < second.left(), !rightToLeft);
        EXPECT_FALSE(first.intersects(second));
        EXPECT_GT(first.top(), previousBottom);
        previousBottom = first.bottom();
    }
}

// In the features' order; only the last card is untitled, its text in the primary colour.
TEST_F(TourViewTest, TheCardsFillTwoColumnsInTheOrderOfTheFeatures) {
    const auto view = open();
    EXPECT_EQ(view->size(), QSize(780, 580));
    EXPECT_EQ(view->cardArea()->verticalScrollBar()->maximum(), 0) << "room enough in English";
    QStringList ids;
    for (const FeatureCard* card : view->cards()) {
        ids << card->id();
        const bool untitled = card->id() == "close";
        EXPECT_EQ(card->title() == nullptr, untitled) << ids.back().toStdString();
        EXPECT_EQ(card->text()->tone(),
                  untitled ? SheetLabel::Tone::primary : SheetLabel::Tone::secondary);
        EXPECT_EQ(
            card->text()->palette().color(QPalette::WindowText) == primaryText(view->palette()),
            untitled);
        EXPECT_GE(card->height(), 100);
    }
    EXPECT_EQ(ids, (QStringList{"hold", "click", "search", "share", "look", "close"}));
    EXPECT_EQ(view->cards().back()->text()->text(),
              "Press Esc or click outside the cheat sheet to close it.");
}

// The cards draw their symbols from the program's own drawings, so none is ever blank,
// whatever the icon theme.
TEST_F(TourViewTest, EveryCardSymbolHasADrawingOfItsOwn) {
    for (const TourFeature& feature : tourFeatures(localization, HoldKey::super)) {
        SCOPED_TRACE(feature.symbol.toStdString());
        const QImage drawn =
            symbolPixmap(feature.symbol, 20, Qt::black, 1.0, SymbolSource::ownDrawing).toImage();
        int covered = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                covered += drawn.pixelColor(x, y).alpha() > 0 ? 1 : 0;
            }
        }
        EXPECT_GT(covered, 20) << "blank";
        EXPECT_LT(covered, 20 * 20 * 3 / 4) << "a filled square";
    }
}

TEST_F(TourViewTest, ReturnPressesDoneWhereverTheFocusIsAndSettingsCallsItsOwnAction) {
    const auto view = open();
    EXPECT_TRUE(view->doneButton()->isDefault());
    EXPECT_GE(view->doneButton()->width(), 90);
    QTest::keyClick(view->doneButton(), Qt::Key_Return);
    QTest::keyClick(view->settingsButton(), Qt::Key_Return);
    QTest::keyClick(view->cards().front(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(doneCalls, 3);
    EXPECT_EQ(settingsCalls, 0);

    QTest::keyClick(view.get(), Qt::Key_Escape);  // the window's to handle, not the view's
    QTest::keyClick(view.get(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(doneCalls, 3);

    QTest::mouseClick(view->settingsButton(), Qt::LeftButton);
    EXPECT_EQ(settingsCalls, 1);
    QTest::mouseClick(view->doneButton(), Qt::LeftButton);
    EXPECT_EQ(doneCalls, 4);
    EXPECT_EQ(settingsCalls, 1);
}

TEST_F(TourViewTest, ChangesOfTextSizeLanguageAndHoldKeyWhileOpenRenderItAnew) {
    const auto view = open();
    const QPointer<FeatureCard> before = view->cards().front();
    change([&](Preferences& prefs) { prefs.setTextSize(TextSize::large); });
    EXPECT_NEAR(sheetFontSize(view->title()->font()), 35.4, 1e-9);
    EXPECT_TRUE(before.isNull()) << "built anew";
    EXPECT_NEAR(sheetFontSize(view->cards().front()->text()->font()), 12.5 * 1.18, 1e-9);

    change([&](Preferences& prefs) { prefs.setLanguage(QStringLiteral("de")); });
    EXPECT_EQ(view->title()->text(), "Holdsheet kennenlernen");
    EXPECT_EQ(view->doneButton()->text(), "Fertig");
    EXPECT_NEAR(sheetFontSize(view->title()->font()), 35.4, 1e-9) << "the size stays";

    // The hold card and the subtitle name the chosen hold key.
    change([&](Preferences& prefs) { prefs.setLanguage(QStringLiteral("en")); });
    for (const HoldKey key : {HoldKey::control, HoldKey::alt, HoldKey::super}) {
        const QString name = holdKeyName(localization, key);
        SCOPED_TRACE(name.toStdString());
        change([&](Preferences& prefs) { prefs.setHoldKey(key); });
        const FeatureCard* hold = view->cards().front();
        ASSERT_EQ(hold->id(), "hold");
        EXPECT_EQ(hold->title()->text(), "Hold " + name);
        EXPECT_EQ(hold->text()->text(),
                  "Hold the " + name +
                      " key by itself for a moment and the cheat sheet of the "
                      "app in front appears. Tap " +
                      name + " again to close it.");
        EXPECT_TRUE(view->subtitle()->text().contains(name));
        for (const SheetLabel* label : view->findChildren<SheetLabel*>()) {
            EXPECT_FALSE(label->text().contains("%1")) << label->text().toStdString();
        }
    }
}

TEST_F(TourViewTest, TheBackdropFollowsTheMaterialWithoutARebuild) {
    Preferences(store).setMaterial(PanelMaterial::frosted);
    const auto view = open();
    const QPointer<FeatureCard> card = view->cards().front();
    const QPoint inside(view->width() / 2, 8);  // above the header's content
    const QColor frosted = view->grab().toImage().pixelColor(inside);
    change([&](Preferences& prefs) { prefs.setMaterial(PanelMaterial::solid); });
    const QColor solid = view->grab().toImage().pixelColor(inside);
    EXPECT_NE(frosted, solid);
    EXPECT_EQ(solid, view->palette().color(QPalette::Window)) << "solid: the window colour alone";
    EXPECT_FALSE(card.isNull()) << "not built anew";
    EXPECT_EQ(view->grab().toImage().pixelColor(0, 0).alpha(), 255) << "opaque corners";
    const auto translucent = open(true);
    EXPECT_EQ(translucent->grab().toImage().pixelColor(0, 0).alpha(), 0) << "rounded corners";
}

// Whether a label shows all of its text: tall enough for its lines, and no word wider
// than the label.
::testing::AssertionResult showsAll(const SheetLabel& label) {
    if (label.wordWrap() && label.height() < label.heightForWidth(label.width())) {
        return ::testing::AssertionFailure() << "cut at the bottom: " << label.height() << " < "
                                             << label.heightForWidth(label.width());
    }
    const int flags = label.wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect lines = QFontMetrics(label.font())
                            .boundingRect(QRect(0, 0, label.width(), 100000), flags, label.text());
    if (lines.width() > label.width()) {
        return ::testing::AssertionFailure()
               << "too wide: " << lines.width() << " > " << label.width();
    }
    return ::testing::AssertionSuccess();
}

// Every language at every text size: no text cut, the footer's buttons whole, and the cards
// either clear of the footer or, where they outgrow the room, scrolled.
TEST_F(TourViewTest, NothingIsCutInAnyLanguage) {
    const auto view = open();
    for (const TextSize size : allCases<TextSize>()) {
        change([&](Preferences& prefs) { prefs.setTextSize(size); });
        for (const Language& language : selectableLanguages()) {
            SCOPED_TRACE(language.code.toStdString() + " " + rawValue(size).toStdString());
            change([&](Preferences& prefs) { prefs.setLanguage(language.code); });
            for (const SheetLabel* label : view->findChildren<SheetLabel*>()) {
                EXPECT_TRUE(showsAll(*label)) << label->text().toStdString();
            }
            for (const QPushButton* button : {view->settingsButton(), view->doneButton()}) {
                EXPECT_GE(button->width(), button->sizeHint().width());
                EXPECT_GE(button->height(), button->sizeHint().height());
                EXPECT_TRUE(view->rect().contains(inView(*view, *button)));
            }
            const QRect settings = inView(*view, *view->settingsButton());
            const QRect done = inView(*view, *view->doneButton());
            const bool rightToLeft = language.code == "ar" || language.code == "he";
            EXPECT_EQ(view->layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
            EXPECT_EQ(settings.left() > done.left(), rightToLeft) << "settings on the leading side";
            expectRowsOfTwo(*view, rightToLeft);
            const QScrollArea& area = *view->cardArea();
            const QWidget& cards = *area.widget();
            EXPECT_GE(cards.height(), cards.heightForWidth(cards.width())) << "cards squeezed";
            EXPECT_EQ(area.verticalScrollBar()->maximum(),
                      std::max(0, cards.height() - area.viewport()->height()));
            EXPECT_LT(inView(*view, area).bottom(), std::min(settings.top(), done.top()));
            EXPECT_GT(inView(*view, area).top(), inView(*view, *view->subtitle()).bottom());
        }
    }
}

// Scrolling or not, in either direction, the columns stay 30 from each side: the bar
// stands in the margin on the trailing side instead of narrowing the cards.
TEST(CardScroller, TheBarStandsInTheSideMarginAndTheColumnsKeepTheirPlace) {
    const TourFeature feature{"hold", "command", QStringLiteral("Title"),
                              QStringLiteral("A text long enough to wrap over a few lines in a "
                                             "card of this narrow grid, and then some more.")};
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        for (const int height : {200, 2000}) {
            SCOPED_TRACE(std::to_string(direction) + " " + std::to_string(height));
            CardScroller scroller(new CardGrid(std::vector<TourFeature>(6, feature), 1.0), 30);
            scroller.setLayoutDirection(direction);
            scroller.resize(500, height);
            scroller.show();
            testing::SettingsHarness::settle();
            const QScrollBar& bar = *scroller.verticalScrollBar();
            const bool scrolls = height == 200;
            EXPECT_EQ(bar.isVisible(), scrolls);
            EXPECT_EQ(bar.maximum() > 0, scrolls);
            if (scrolls) {
                const QRect place = inView(scroller, bar);
                EXPECT_TRUE(direction == Qt::LeftToRight ? place.left() >= 500 - 30
                                                         : place.right() < 30)
                    << place.left() << ".." << place.right();
            }
            const auto& cards = static_cast<const CardGrid*>(scroller.widget())->cards();
            const QRect leading = inView(scroller, *cards[0]);
            const QRect trailing = inView(scroller, *cards[1]);
            const QRect left = direction == Qt::LeftToRight ? leading : trailing;
            const QRect right = direction == Qt::LeftToRight ? trailing : leading;
            EXPECT_EQ(left.left(), 30);
            EXPECT_EQ(right.right() + 1, 500 - 30);
            EXPECT_EQ(left.width(), right.width());
            const QWidget& grid = *scroller.widget();
            EXPECT_GE(grid.height(), grid.heightForWidth(grid.width())) << "held whole";
        }
    }
}

}  // namespace
}  // namespace holdsheet
