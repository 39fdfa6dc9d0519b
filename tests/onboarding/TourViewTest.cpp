#include "onboarding/TourView.h"

#include "onboarding/CardScroller.h"
#include "onboarding/FeatureCard.h"
#include "onboarding/TourFeatures.h"
#include "prefs/HoldKeyTexts.h"
#include "prefs/Languages.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "sheetview/SheetLabel.h"
#include "sheetview/SheetStyle.h"
#include "sheetview/SheetSymbols.h"
#include "support/MemoryPreferenceStore.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace holdsheet {
namespace {

using testing::MemoryPreferenceStore;

QRect inView(const QWidget& view, const QWidget& widget) {
    return QRect(widget.mapTo(&view, QPoint(0, 0)), widget.size());
}

class TourViewTest : public ::testing::Test {
  protected:
    std::unique_ptr<TourView> open(bool translucent = false) {
        auto view = std::make_unique<TourView>(
            store, localization, translucent, [this] { ++settingsCalls; }, [this] { ++doneCalls; });
        view->setAttribute(Qt::WA_TranslucentBackground, translucent);
        view->show();
        settle();
        return view;
    }

    // Lays out what a change of preferences rebuilt.
    static void settle() {
        for (int turn = 0; turn < 3; ++turn) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }

    // A change made elsewhere, with what the views do about it done.
    template <typename Edit>
    void change(Edit edit) {
        Preferences prefs(store);
        edit(prefs);
        settle();
    }

    static QStringList ids(const TourView& view) {
        QStringList result;
        for (const FeatureCard* card : view.cards()) {
            result << card->id();
        }
        return result;
    }

    MemoryPreferenceStore store;
    Localization localization{
        store, {[] { return QStringList{QStringLiteral("en")}; }, [] { return QLocale("en"); }}};
    int settingsCalls = 0;
    int doneCalls = 0;
};

// Rows of two in the table's order: hold | click, search | share, look | close; the first
// of each row on the leading side.
void expectRowsOfTwo(const TourView& view, bool rightToLeft) {
    ASSERT_EQ(view.cards().size(), 6u);
    int previousBottom = 0;
    for (std::size_t row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        const QRect first = inView(view, *view.cards()[2 * row]);
        const QRect second = inView(view, *view.cards()[2 * row + 1]);
        EXPECT_EQ(first.top(), second.top()) << "cells aligned to the top";
        EXPECT_EQ(first.height(), second.height()) << "the cards of a row end level";
        EXPECT_EQ(first.width(), second.width()) << "two even columns";
        const QRect left = rightToLeft ? second : first;
        const QRect right = rightToLeft ? first : second;
        EXPECT_EQ(left.left(), 30);
        EXPECT_EQ(right.left() - left.right() - 1, 14);
        EXPECT_EQ(right.right() + 1, TourView::fixedWidth - 30);
        if (row > 0) {
            EXPECT_EQ(first.top() - previousBottom, 14);
        }
        previousBottom = std::max(first.bottom(), second.bottom()) + 1;
    }
}

TEST_F(TourViewTest, TheCardsFillTwoColumnsInTheOrderOfTheFeatures) {
    const auto view = open();
    EXPECT_EQ(view->size(), QSize(780, 580));
    EXPECT_EQ(ids(*view), (QStringList{"hold", "click", "search", "share", "look", "close"}));
    expectRowsOfTwo(*view, false);
    EXPECT_GE(inView(*view, *view->cards().front()).top(),
              inView(*view, *view->subtitle()).bottom() + 22);
    EXPECT_GE(inView(*view, *view->doneButton()).top(),
              inView(*view, *view->cards().back()).bottom() + 12);
    EXPECT_EQ(view->cardArea()->verticalScrollBar()->maximum(), 0) << "room enough in English";
}

TEST_F(TourViewTest, OnlyTheLastCardIsUntitledAndItsTextIsInThePrimaryColour) {
    const auto view = open();
    const QColor primary = primaryText(view->palette());
    for (const FeatureCard* card : view->cards()) {
        SCOPED_TRACE(card->id().toStdString());
        const bool untitled = card->id() == "close";
        EXPECT_EQ(card->title() == nullptr, untitled);
        EXPECT_EQ(card->text()->tone(),
                  untitled ? SheetLabel::Tone::primary : SheetLabel::Tone::secondary);
        EXPECT_EQ(card->text()->palette().color(QPalette::WindowText) == primary, untitled);
        EXPECT_GE(card->height(), 100);
    }
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

// Alone, a short text sits level with the middle of the symbol box; a longer one starts at
// its top and grows.
TEST(FeatureCard, AnUntitledTextIsCentredAgainstTheSymbolBox) {
    const struct {
        const char* text;
        bool oneLine;
    } cases[] = {
        {"Press Esc.", true},
        {"Press Esc or click outside the cheat sheet to close it, or switch to another "
         "application, or click anywhere else on the screen.",
         false},
    };
    for (const auto& [text, oneLine] : cases) {
        SCOPED_TRACE(text);
        FeatureCard card({"close", "escape", std::nullopt, QString::fromUtf8(text)}, 1.0);
        card.resize(340, card.heightForWidth(340));
        card.show();
        QCoreApplication::processEvents();
        const QRect box = card.symbolBox()->geometry();
        const QRect label = card.text()->geometry();
        EXPECT_EQ(box.size(), QSize(40, 40));
        EXPECT_EQ(box.topLeft(), QPoint(14, 14));
        EXPECT_EQ(label.left(), box.right() + 1 + 13);
        EXPECT_EQ(label.top(), box.top());
        EXPECT_TRUE(card.text()->alignment().testFlag(Qt::AlignVCenter));
        if (oneLine) {
            EXPECT_EQ(label.height(), 40);
            EXPECT_EQ(label.center().y(), box.center().y());
        } else {
            EXPECT_GT(label.height(), 40);
            EXPECT_GE(label.height(), card.text()->heightForWidth(label.width())) << "cut";
        }
        EXPECT_EQ(card.height(), std::max(100, label.bottom() + 1 + 14));
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

// Every font of the header and the cards follows the text size; the footer's do not.
TEST_F(TourViewTest, EveryFontOfTheHeaderAndTheCardsScalesWithTheTextSize) {
    const struct {
        TextSize textSize;
        double factor;
    } sizes[] = {{TextSize::small, 0.9},
                 {TextSize::medium, 1.0},
                 {TextSize::large, 1.18}};  // large: a title of 35.4
    for (const auto& [textSize, factor] : sizes) {
        SCOPED_TRACE(rawValue(textSize).toStdString());
        Preferences(store).setTextSize(textSize);
        const auto view = open();
        EXPECT_DOUBLE_EQ(view->scale(), factor);
        EXPECT_NEAR(sheetFontSize(view->title()->font()), 30 * factor, 1e-9);
        EXPECT_EQ(view->title()->font().weight(), QFont::Bold);
        EXPECT_NEAR(sheetFontSize(view->subtitle()->font()), 14 * factor, 1e-9);
        for (const FeatureCard* card : view->cards()) {
            SCOPED_TRACE(card->id().toStdString());
            if (card->title()) {
                EXPECT_NEAR(sheetFontSize(card->title()->font()), 14.5 * factor, 1e-9);
                EXPECT_EQ(card->title()->font().weight(), QFont::DemiBold);
            }
            EXPECT_NEAR(sheetFontSize(card->text()->font()), 12.5 * factor, 1e-9);
        }
        EXPECT_NEAR(sheetFontSize(view->settingsButton()->font()), 13, 1e-9);
    }
}

TEST_F(TourViewTest, ChangesOfTextSizeAndLanguageWhileOpenRenderItAnew) {
    const auto view = open();
    const QPointer<FeatureCard> before = view->cards().front();
    change([&](Preferences& prefs) { prefs.setTextSize(TextSize::large); });
    EXPECT_NEAR(sheetFontSize(view->title()->font()), 35.4, 1e-9);
    EXPECT_TRUE(before.isNull()) << "built anew";
    EXPECT_NEAR(sheetFontSize(view->cards().front()->text()->font()), 12.5 * 1.18, 1e-9);

    change([&](Preferences& prefs) { prefs.setLanguage(QStringLiteral("de")); });
    EXPECT_EQ(view->title()->text(), "Holdsheet kennenlernen");
    EXPECT_EQ(view->doneButton()->text(), "Fertig");
    EXPECT_EQ(view->layoutDirection(), Qt::LeftToRight);
    EXPECT_NEAR(sheetFontSize(view->title()->font()), 35.4, 1e-9) << "the size stays";

    change([&](Preferences& prefs) { prefs.setLanguage(QStringLiteral("ar")); });
    EXPECT_EQ(view->title()->text(), QString::fromUtf8("تعرّف على Holdsheet"));
    EXPECT_EQ(view->layoutDirection(), Qt::RightToLeft);
    EXPECT_TRUE(view->cards().front()->isRightToLeft());
    change([&](Preferences& prefs) { prefs.setTextSize(TextSize::medium); });
    expectRowsOfTwo(*view, true);
    EXPECT_GT(inView(*view, *view->settingsButton()).left(),
              inView(*view, *view->doneButton()).left())
        << "the settings button on the leading, right side";

    change([&](Preferences& prefs) { prefs.setLanguage(QStringLiteral("en")); });
    EXPECT_EQ(view->layoutDirection(), Qt::LeftToRight);
    expectRowsOfTwo(*view, false);
}

// The hold card and the subtitle name the chosen hold key, also when it changes while open.
TEST_F(TourViewTest, TheHoldCardNamesTheChosenHoldKey) {
    const auto view = open();
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
                EXPECT_LE(inView(*view, *button).right() + 1, 780 - 30);
                EXPECT_GE(inView(*view, *button).left(), 30);
            }
            const QRect settings = inView(*view, *view->settingsButton());
            const QRect done = inView(*view, *view->doneButton());
            EXPECT_EQ(std::max(settings.bottom(), done.bottom()) + 1, 580 - 26);

            expectRowsOfTwo(*view, language.code == "ar" || language.code == "he");
            const QScrollArea& area = *view->cardArea();
            const QWidget& cards = *area.widget();
            EXPECT_GE(cards.height(), cards.heightForWidth(cards.width())) << "cards squeezed";
            EXPECT_EQ(area.verticalScrollBar()->maximum(),
                      std::max(0, cards.height() - area.viewport()->height()));
            EXPECT_LE(inView(*view, area).bottom() + 1 + 12, std::min(settings.top(), done.top()));
            EXPECT_GE(inView(*view, area).top(), inView(*view, *view->subtitle()).bottom() + 22);
        }
    }
}

// Pictures of the tour for a person to look at: light, dark, right to left, the longest
// texts, large text.
TEST_F(TourViewTest, TheTourIsDrawnInEachLook) {
    const QString folder = QStringLiteral(HOLDSHEET_ARTIFACTS);
    QDir().mkpath(folder);
    const QPalette light = QApplication::style()->standardPalette();
    QPalette dark = light;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, QColor(45, 45, 48));
        dark.setColor(group, QPalette::WindowText, QColor(235, 235, 240));
        dark.setColor(group, QPalette::Button, QColor(58, 58, 62));
        dark.setColor(group, QPalette::ButtonText, QColor(235, 235, 240));
        dark.setColor(group, QPalette::Highlight, QColor(10, 132, 255));
        dark.setColor(group, QPalette::Base, QColor(30, 30, 32));
        dark.setColor(group, QPalette::Light, QColor(70, 70, 74));
        dark.setColor(group, QPalette::Mid, QColor(38, 38, 40));
        dark.setColor(group, QPalette::Dark, QColor(22, 22, 24));
    }
    const struct {
        const char* name;
        const QPalette& palette;
        const char* language;
        TextSize textSize;
    } looks[] = {{"light", light, "en", TextSize::medium},
                 {"dark", dark, "en", TextSize::medium},
                 {"ar", light, "ar", TextSize::medium},
                 {"el", light, "el", TextSize::medium},
                 {"large", dark, "de", TextSize::large}};
    for (const auto& look : looks) {
        SCOPED_TRACE(look.name);
        QApplication::setPalette(look.palette);
        Preferences(store).setLanguage(QString::fromLatin1(look.language));
        Preferences(store).setTextSize(look.textSize);
        const auto view = open(true);
        const QImage image = view->grab().toImage();
        EXPECT_EQ(image.size(), QSize(780, 580));
        const QString path = QStringLiteral("%1/tour-%2.png").arg(folder, look.name);
        EXPECT_TRUE(image.save(path)) << path.toStdString();
    }
    QApplication::setPalette(light);
}

}  // namespace
}  // namespace holdsheet
