#include "permissions/ShellExtension.h"

#include "prefs/Languages.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "support/FakeRunner.h"
#include "support/MemoryPreferenceStore.h"

#include <QObject>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;
using State = ShellExtensionState;

constexpr State allStates[] = {State::notNeeded, State::active, State::disabled, State::missing};

// Views redraw on the signal: it comes once per change, never for the same state again.
TEST(ShellExtension, TellsOnlyChanges) {
    FakeRunner runner;
    ShellExtension extension(runner);
    std::vector<State> told;
    QObject::connect(&extension, &ShellExtension::stateChanged,
                     [&told](State state) { told.push_back(state); });
    for (const State state : {State::notNeeded, State::missing, State::missing, State::disabled,
                              State::active, State::active, State::notNeeded}) {
        extension.setState(state);
        EXPECT_EQ(extension.state(), state);
    }
    EXPECT_EQ(told, (std::vector<State>{State::missing, State::disabled, State::active,
                                        State::notNeeded}));
}

// Only an installed extension that is off can be turned on from here, and only with the
// desktop's tool, run directly for both forms.
TEST(ShellExtension, TurnsOnBothFormsOnlyWhenOffAndTheToolIsThere) {
    const std::vector<std::string> both = {
        "launch gnome-extensions enable holdsheet@holdsheet.org",
        "launch gnome-extensions enable holdsheet-legacy@holdsheet.org"};
    for (const State state : allStates) {
        for (const bool tool : {false, true}) {
            SCOPED_TRACE(::testing::Message() << static_cast<int>(state) << " tool " << tool);
            FakeRunner runner;
            if (tool) {
                runner.installed.insert(ShellExtension::tool);
            }
            ShellExtension extension(runner);
            extension.setState(state);
            const bool can = state == State::disabled && tool;
            EXPECT_EQ(extension.canEnable(), can);
            EXPECT_EQ(extension.wanted(), state == State::disabled || state == State::missing);
            EXPECT_EQ(extension.enable(), can);
            EXPECT_EQ(runner.log, can ? both : std::vector<std::string>{});
            EXPECT_EQ(extension.state(), state) << "the session reports the outcome";
        }
    }
}

// In every language: the extension named by its uuid, the command whole, the program's name
// where the text takes it, and no placeholder left over; nothing where there is nothing to do.
TEST(ShellExtension, EveryLanguageSaysWhatIsWrongAndHowToTurnItOn) {
    MemoryPreferenceStore store;
    const Localization localization(store);
    const QString command = QStringLiteral("gnome-extensions enable holdsheet@holdsheet.org");
    for (const Language& language : selectableLanguages()) {
        SCOPED_TRACE(language.code.toStdString());
        Preferences(store).setLanguage(language.code);
        for (const State state : allStates) {
            SCOPED_TRACE(static_cast<int>(state));
            const QString status = extensionStatusText(localization, state);
            const QString howTo = extensionHowTo(localization, state);
            const QString notice = extensionNotice(localization, state);
            const bool wanted = state == State::disabled || state == State::missing;
            EXPECT_EQ(status.isEmpty(), state == State::notNeeded);
            EXPECT_EQ(howTo.isEmpty(), !wanted);
            EXPECT_EQ(notice.isEmpty(), !wanted);
            for (const QString& text : {status, howTo, notice}) {
                EXPECT_FALSE(text.contains('%')) << text.toStdString();
            }
            if (wanted) {
                EXPECT_TRUE(howTo.contains(ShellExtension::uuid)) << howTo.toStdString();
                EXPECT_TRUE(howTo.contains(QStringLiteral("Holdsheet"))) << howTo.toStdString();
                EXPECT_EQ(howTo.contains(command), state == State::disabled) << howTo.toStdString();
                EXPECT_TRUE(notice.contains(ShellExtension::uuid)) << notice.toStdString();
            }
        }
        // Each state reads differently: a wrong key would repeat another's text.
        EXPECT_NE(extensionStatusText(localization, State::disabled),
                  extensionStatusText(localization, State::missing));
        EXPECT_NE(extensionStatusText(localization, State::active),
                  extensionStatusText(localization, State::disabled));
        EXPECT_NE(extensionNotice(localization, State::disabled),
                  extensionNotice(localization, State::missing));
    }
}

}  // namespace
}  // namespace holdsheet
