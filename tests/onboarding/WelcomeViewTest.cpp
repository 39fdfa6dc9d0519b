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
// and how to turn it on; it follows the extension live, to a done state once it is on, and
// is never there where the extension is not needed or already on.
TEST(WelcomeView, TheShellExtensionStepFollowsTheExtensionLive) {
    using State = ShellExtensionState;
    struct Step {
        State state;
        bool shown;
        const char* status;  // and the how-to, for the states that have one
        const char* howTo;
        bool button;
    };
    const char* off = "The Shell extension is off.";
    const char* missing = "The Shell extension is not installed yet.";
    const QString why = "On GNOME, the hold key works through Holdsheet's Shell extension. ";
    const QString offHowTo = why +
                             "Turn it on in the Extensions app, or run:\ngnome-extensions enable "
                             "holdsheet@holdsheet.org";
    const QString missingHowTo = why +
                                 "After a first install, log out and back in, then turn on "
                                 "holdsheet@holdsheet.org in the Extensions app.";
    struct Run {
        const char* name;
        std::vector<Step> steps;
    };
    const Run runs[] = {
        {"never needed", {{State::notNeeded, false, nullptr, nullptr, false}}},
        {"on from the start, off later",
         {{State::active, false, nullptr, nullptr, false},
          {State::disabled, true, off, nullptr, true},
          {State::active, true, "The Shell extension is on.", nullptr, false}}},
        {"installed after login, enabled after the next",
         {{State::missing, true, missing, nullptr, false},
          {State::disabled, true, off, nullptr, true},
          {State::active, true, "The Shell extension is on.", nullptr, false},
          {State::notNeeded, false, nullptr, nullptr, false}}},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.name);
        Welcome welcome(false, run.steps.front().state);
        int heightWithout = 0;
        for (const Step& step : run.steps) {
            SCOPED_TRACE(static_cast<int>(step.state));
            const int before = welcome.window.height();
            const bool wasShown = welcome.extensionStep() != nullptr;
            welcome.setExtension(step.state);
            ExtensionCard* card = welcome.extensionStep();
            ASSERT_EQ(card != nullptr, step.shown);
            if (!card) {
                heightWithout = welcome.window.height();
                continue;
            }
            if (!wasShown && heightWithout > 0) {
                EXPECT_GT(welcome.window.height(), before) << "the window makes room for it";
            }
            EXPECT_EQ(welcome.window.height(),
                      welcome.view->heightForWidth(WelcomeView::viewWidth));
            EXPECT_EQ(card->status()->text(), step.status);
            const QString howTo = step.state == State::disabled  ? offHowTo
                                  : step.state == State::missing ? missingHowTo
                                                                 : QString();
            EXPECT_EQ(card->howTo()->isVisibleTo(card), !howTo.isEmpty());
            if (!howTo.isEmpty()) {
                EXPECT_EQ(card->howTo()->text(), howTo);
            }
            EXPECT_EQ(card->symbol(), step.state == State::active
                                          ? "checkmark.circle.fill"
                                          : "exclamationmark.triangle.fill");
            EXPECT_EQ(card->enableButton()->isVisibleTo(card), step.button);
            EXPECT_EQ(welcome.steps().size(), 3u) << "the permission's steps stay";
        }
    }
}

// Turn On asks the desktop's tool directly; the view changes only when the session reports
// the extension on. Without the tool there is no button, only the how-to. A new language
// keeps the step, even once the extension is on.
TEST(WelcomeView, TheShellExtensionStepTurnsItOnAndOutlivesALanguageChange) {
    {
        const Welcome without(true, ShellExtensionState::disabled, false);
        ASSERT_NE(without.extensionStep(), nullptr);
        EXPECT_TRUE(without.extensionStep()->enableButton()->isHidden());
        EXPECT_TRUE(without.extensionStep()->howTo()->text().contains("gnome-extensions enable"));
    }
    Welcome welcome(true, ShellExtensionState::disabled);
    welcome.change([](Preferences& p) { p.setLanguage(QStringLiteral("de")); });
    ExtensionCard* card = welcome.extensionStep();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->status()->text(), "Die Shell-Erweiterung ist ausgeschaltet.");
    ASSERT_TRUE(card->enableButton()->isVisibleTo(card));
    EXPECT_EQ(card->enableButton()->text(), "Einschalten");
    QTest::mouseClick(card->enableButton(), Qt::LeftButton);
    EXPECT_EQ(welcome.runner.log,
              (std::vector<std::string>{
                  "launch gnome-extensions enable holdsheet@holdsheet.org",
                  "launch gnome-extensions enable holdsheet-legacy@holdsheet.org"}));
    EXPECT_EQ(card->shownState(), ShellExtensionState::disabled) << "until the session says so";

    welcome.setExtension(ShellExtensionState::active);
    welcome.change([](Preferences& p) { p.setLanguage(QStringLiteral("fr")); });
    ASSERT_NE(welcome.extensionStep(), nullptr) << "the step stays, done";
    EXPECT_EQ(welcome.extensionStep()->status()->text(), "L’extension Shell est activée.");
    EXPECT_TRUE(welcome.view->showsReady());
    EXPECT_TRUE(welcome.calls.isEmpty());
}

// Kept for a person to look at: the step as a user who installed the program on GNOME and
// has not logged in again since sees it, and as one whose extension is off.
TEST(WelcomeView, PicturesOfTheShellExtensionStep) {
    const QString artifacts = QStringLiteral(HOLDSHEET_ARTIFACTS);
    QDir().mkpath(artifacts);
    const std::pair<ShellExtensionState, const char*> pictures[] = {
        {ShellExtensionState::disabled, "/welcome-extension.png"},
        {ShellExtensionState::missing, "/welcome-extension-missing.png"}};
    for (const auto& [state, name] : pictures) {
        Welcome welcome(false, state);
        const QImage image = welcome.window.grab().toImage();
        EXPECT_EQ(image.width(), WelcomeView::viewWidth);
        EXPECT_TRUE(image.save(artifacts + name)) << name;
    }
}

}  // namespace
}  // namespace holdsheet
