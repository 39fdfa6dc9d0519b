#include "onboarding/StepRow.h"
#include "onboarding/WelcomeView.h"
#include "permissions/ShellExtension.h"
#include "prefs/HoldKeyTexts.h"
#include "prefs/Languages.h"
#include "settings/SettingsHarness.h"
#include "ui/ExtensionCard.h"
#include "ui/SheetLabel.h"

#include <QDir>
#include <QLayout>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace holdsheet {
namespace {

using testing::SettingsHarness;

// The welcome view in a window that takes its size from it, as the welcome window does.
struct Welcome : SettingsHarness {
    // `tool`: the desktop's tool that turns extensions on is installed.
    explicit Welcome(bool trusted, ShellExtensionState state = ShellExtensionState::notNeeded,
                     bool tool = true) {
        ax.setTrusted(trusted);
        extension.setState(state);
        if (tool) {
            runner.installed.insert(ShellExtension::tool);
        }
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        view = new WelcomeView(
            {store, localization, permission, extension}, [this] { calls << "done"; },
            [this] { calls << "settings"; }, &window);
        layout->addWidget(view);
        window.show();
        settle();
    }
    QString text(const char* key) const { return localization.localized(QString::fromLatin1(key)); }
    QStringList shownTexts() const { return testing::shownTexts(*view); }
    std::vector<StepRow*> steps() const { return testing::shownWidgets<StepRow>(*view); }
    // The Shell extension's box, when shown.
    ExtensionCard* extensionStep() const {
        ExtensionCard* card = view->extensionCard();
        return card && card->isVisibleTo(view) ? card : nullptr;
    }
    void setExtension(ShellExtensionState state) {
        extension.setState(state);
        settle();
    }

    QWidget window;
    WelcomeView* view = nullptr;
    QStringList calls;
};

// Granted while open, then withdrawn: each switch with no input, the window following the
// block's height. The grant button only asks.
TEST(WelcomeView, FollowsThePermissionBothWaysAndTheWindowFollowsItsHeight) {
    Welcome welcome(false);
    ASSERT_FALSE(welcome.view->showsReady());
    ASSERT_NE(welcome.view->grantButton(), nullptr);
    EXPECT_TRUE(welcome.view->grantButton()->isDefault());
    EXPECT_EQ(welcome.steps().size(), 3u);
    EXPECT_TRUE(welcome.shownTexts().contains(welcome.text("welcome.waiting")));
    welcome.view->grantButton()->click();
    EXPECT_EQ(welcome.ax.prompts, 1) << "asks, which switches accessibility on when confirmed";
    EXPECT_FALSE(welcome.view->showsReady()) << "declined: still waiting";
    const int missingHeight = welcome.window.height();

    welcome.setTrusted(true);
    EXPECT_TRUE(welcome.view->showsReady());
    EXPECT_EQ(welcome.view->grantButton(), nullptr);
    ASSERT_NE(welcome.view->doneButton(), nullptr);
    EXPECT_TRUE(welcome.view->doneButton()->isVisible());
    EXPECT_TRUE(welcome.view->doneButton()->isDefault());
    EXPECT_TRUE(welcome.shownTexts().contains(welcome.text("welcome.ready")));
    EXPECT_TRUE(welcome.steps().empty());
    EXPECT_FALSE(welcome.shownTexts().contains(welcome.text("welcome.waiting")));
    EXPECT_LT(welcome.window.height(), missingHeight);
    EXPECT_EQ(welcome.window.height(), welcome.view->heightForWidth(WelcomeView::viewWidth));

    welcome.setTrusted(false);
    EXPECT_FALSE(welcome.view->showsReady());
    EXPECT_EQ(welcome.steps().size(), 3u);
    EXPECT_EQ(welcome.window.height(), missingHeight);
    EXPECT_TRUE(welcome.calls.isEmpty()) << "switching finishes nothing";
}

TEST(WelcomeView, TheButtonsDoWhatTheySay) {
    struct Case {
        const char* button;
        QStringList calls;
    };
    for (const Case& c : {Case{"openSettings", {"done", "settings"}}, Case{"done", {"done"}}}) {
        Welcome welcome(true);
        EXPECT_TRUE(welcome.view->showsReady()) << "opened with the permission held";
        welcome.view->findChild<QPushButton*>(QString::fromLatin1(c.button))->click();
        EXPECT_EQ(welcome.calls, c.calls) << c.button;
        EXPECT_EQ(welcome.ax.prompts, 0) << c.button;
    }
}

// Every text of both blocks in the new language and direction, the hold key's name where a
// text names it.
TEST(WelcomeView, ALanguageOrHoldKeyChangeWhileOpenRendersEveryTextAgain) {
    for (const bool trusted : {false, true}) {
        Welcome welcome(trusted);
        const QStringList english = welcome.shownTexts();
        EXPECT_EQ(welcome.view->layoutDirection(), Qt::LeftToRight);

        welcome.change([](Preferences& p) { p.setLanguage(QStringLiteral("ar")); });
        EXPECT_EQ(welcome.view->layoutDirection(), Qt::RightToLeft) << trusted;
        const QStringList arabic = welcome.shownTexts();
        ASSERT_EQ(arabic.size(), english.size()) << trusted;
        for (const QString& text : arabic) {
            EXPECT_FALSE(english.contains(text))
                << trusted << " still English: " << text.toStdString();
        }
        EXPECT_TRUE(arabic.contains(welcome.text("welcome.title").arg(welcome.text("app.name"))));
        EXPECT_TRUE(arabic.contains(
            holdKeyText(welcome.localization, QStringLiteral("welcome.subtitle"), HoldKey::super)));

        welcome.change([](Preferences& p) { p.setHoldKey(HoldKey::control); });
        const QString ctrl = holdKeyName(welcome.localization, HoldKey::control);
        EXPECT_TRUE(welcome.view->subtitle()->text().contains(ctrl)) << trusted;
        if (trusted) {
            EXPECT_TRUE(welcome.shownTexts().contains(holdKeyText(
                welcome.localization, QStringLiteral("welcome.howto"), HoldKey::control)));
        }
    }
}

// In every language, both blocks keep the window's width, no text is cut and no button is
// narrower than its label; the steps are numbered in the language, level with their first line.
TEST(WelcomeView, EveryLanguageFitsItsWidth) {
    for (const bool trusted : {false, true}) {
        // With the Shell extension's step too, at its longest.
        Welcome welcome(trusted,
                        trusted ? ShellExtensionState::missing : ShellExtensionState::disabled);
        for (const Language& language : selectableLanguages()) {
            welcome.change([&](Preferences& p) { p.setLanguage(language.code); });
            const std::string name = language.code.toStdString() + (trusted ? " ready" : "");
            EXPECT_EQ(welcome.window.width(), WelcomeView::viewWidth) << name;
            EXPECT_LT(welcome.window.height(), 800) << name;
            ASSERT_NE(welcome.extensionStep(), nullptr) << name;
            EXPECT_EQ(welcome.extensionStep()->enableButton()->isVisibleTo(welcome.view), !trusted)
                << name;
            const auto steps = welcome.steps();
            ASSERT_EQ(steps.size(), trusted ? 0u : 3u) << name;
            const QString texts[] = {welcome.text("welcome.step1"),
                                     welcome.text("welcome.step2").arg(welcome.text("app.name")),
                                     welcome.text("welcome.step3")};
            for (std::size_t i = 0; i < steps.size(); ++i) {
                EXPECT_EQ(steps[i]->number(),
                          welcome.localization.appLocale().toString(int(i) + 1));
                EXPECT_EQ(steps[i]->text()->text(), texts[i]) << name;
                EXPECT_NEAR(steps[i]->numberBaseline(), steps[i]->textBaseline(), 1) << name;
            }
            const QWidget& view = *welcome.view;
            for (const QLabel* label : testing::shownWidgets<QLabel>(view)) {
                EXPECT_TRUE(view.rect().contains(testing::inView(view, *label)))
                    << name << ": outside: " << label->text().toStdString();
                if (label->wordWrap()) {
                    EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                        << name << ": cut: " << label->text().toStdString();
                }
            }
            for (const QPushButton* button : testing::shownWidgets<QPushButton>(view)) {
                EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()))
                    << name << ": " << button->text().toStdString();
                EXPECT_TRUE(view.rect().contains(testing::inView(view, *button))) << name;
            }
        }
    }
}

// Where the session needs the Shell extension and it is off or not installed, a box says so
// and how to turn it on; it follows the extension live, to a done state once it is on, and is
// never there where the extension is not needed or was on throughout. The window follows it.
TEST(WelcomeView, TheShellExtensionStepFollowsTheExtensionLive) {
    using State = ShellExtensionState;
    const QString why = "On GNOME, the hold key works through Holdsheet's Shell extension. ";
    const std::map<State, QString> howTo = {
        {State::disabled, why + "Turn it on in the Extensions app, or run:\n"
                                "gnome-extensions enable holdsheet@holdsheet.org"},
        {State::missing, why + "After a first install, log out and back in, then turn on "
                               "holdsheet@holdsheet.org in the Extensions app."}};
    const std::vector<std::pair<State, bool>> runs[] = {
        {{State::notNeeded, false}},
        {{State::active, false}, {State::disabled, true}, {State::active, true}},
        {{State::missing, true},
         {State::disabled, true},
         {State::active, true},
         {State::notNeeded, false}},
    };
    for (const auto& run : runs) {
        Welcome welcome(false, run.front().first);
        for (const auto& [state, shown] : run) {
            SCOPED_TRACE(static_cast<int>(state));
            welcome.setExtension(state);
            const ExtensionCard* card = welcome.extensionStep();
            ASSERT_EQ(card != nullptr, shown);
            EXPECT_EQ(welcome.window.height(),
                      welcome.view->heightForWidth(WelcomeView::viewWidth));
            if (!card) {
                continue;
            }
            EXPECT_EQ(card->symbol() == "checkmark.circle.fill", state == State::active);
            EXPECT_EQ(card->status()->text(), extensionStatusText(welcome.localization, state));
            EXPECT_EQ(card->howTo()->isVisibleTo(card), howTo.contains(state));
            EXPECT_EQ(card->howTo()->text(), howTo.contains(state) ? howTo.at(state) : QString());
            EXPECT_EQ(card->enableButton()->isVisibleTo(card), state == State::disabled);
            EXPECT_EQ(welcome.steps().size(), 3u) << "the permission's steps stay";
        }
    }
}

// Turn On asks the desktop's tool; the view changes only when the session reports the
// extension on. Without the tool only the how-to is there. A new language keeps the step,
// even once done. Pictures of the step are kept for a person to look at.
TEST(WelcomeView, TheShellExtensionStepTurnsItOnAndOutlivesALanguageChange) {
    const Welcome without(true, ShellExtensionState::disabled, false);
    ASSERT_NE(without.extensionStep(), nullptr);
    EXPECT_TRUE(without.extensionStep()->enableButton()->isHidden());

    const QString artifacts = QStringLiteral(HOLDSHEET_ARTIFACTS);
    QDir().mkpath(artifacts);
    Welcome missing(false, ShellExtensionState::missing);
    EXPECT_TRUE(missing.window.grab().save(artifacts + "/welcome-extension-missing.png"));
    Welcome welcome(false, ShellExtensionState::disabled);
    EXPECT_TRUE(welcome.window.grab().save(artifacts + "/welcome-extension.png"));

    welcome.change([](Preferences& p) { p.setLanguage(QStringLiteral("de")); });
    const ExtensionCard* card = welcome.extensionStep();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->enableButton()->text(), "Einschalten");
    QTest::mouseClick(card->enableButton(), Qt::LeftButton);
    EXPECT_EQ(welcome.runner.log.size(), 2u);
    EXPECT_EQ(card->shownState(), ShellExtensionState::disabled) << "until the session says so";

    welcome.setExtension(ShellExtensionState::active);
    welcome.change([](Preferences& p) { p.setLanguage(QStringLiteral("fr")); });
    ASSERT_NE(welcome.extensionStep(), nullptr) << "the step stays, done";
    EXPECT_EQ(welcome.extensionStep()->status()->text(), "L’extension Shell est activée.");
    EXPECT_TRUE(welcome.calls.isEmpty());
}

}  // namespace
}  // namespace holdsheet
