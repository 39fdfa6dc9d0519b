#include "permissions/ShellExtension.h"

#include "prefs/Languages.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "support/FakeRunner.h"
#include "support/MemoryPreferenceStore.h"

#include <QSet>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;
using State = ShellExtensionState;

constexpr State allStates[] = {State::notNeeded, State::active, State::disabled, State::missing};

// Only an installed extension that is off can be turned on from here, with the desktop's tool
// run directly for both forms; views hear of each change once.
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
            int told = 0;
            QObject::connect(&extension, &ShellExtension::stateChanged, [&told] { ++told; });
            extension.setState(state);
            extension.setState(state);
            EXPECT_EQ(told, state == State::notNeeded ? 0 : 1);
            const bool can = state == State::disabled && tool;
            EXPECT_EQ(extension.enable(), can);
            EXPECT_EQ(runner.log, can ? both : std::vector<std::string>{});
        }
    }
}

// In every language: the extension named by its uuid, the command whole, the program's name,
// no placeholder left over, each state in words of its own; nothing where nothing is to do.
TEST(ShellExtension, EveryLanguageSaysWhatIsWrongAndHowToTurnItOn) {
    MemoryPreferenceStore store;
    const Localization localization(store);
    for (const Language& language : selectableLanguages()) {
        Preferences(store).setLanguage(language.code);
        QStringList said;
        for (const State state : allStates) {
            SCOPED_TRACE(::testing::Message()
                         << language.code.toStdString() << " " << static_cast<int>(state));
            const bool wanted = state == State::disabled || state == State::missing;
            const QString status = extensionStatusText(localization, state);
            const QString howTo = extensionHowTo(localization, state);
            const QString notice = extensionNotice(localization, state);
            EXPECT_EQ(status.isEmpty(), state == State::notNeeded);
            EXPECT_EQ(howTo.isEmpty() || notice.isEmpty(), !wanted);
            EXPECT_FALSE((status + howTo + notice).contains('%'));
            EXPECT_EQ(howTo.contains("\ngnome-extensions enable holdsheet@holdsheet.org"),
                      state == State::disabled);
            if (wanted) {
                EXPECT_TRUE(howTo.contains("holdsheet@holdsheet.org") &&
                            howTo.contains("Holdsheet"));
                EXPECT_TRUE(notice.contains("holdsheet@holdsheet.org")) << notice.toStdString();
            }
            said << status << notice;
        }
        said.removeAll(QString());
        EXPECT_EQ(said.size(), QSet<QString>(said.begin(), said.end()).size())
            << said.join('|').toStdString();
    }
}

// GNOME 43 and 44 load the legacy form: the texts name the one the shell runs, and the
// command they show turns that one on.
TEST(ShellExtension, TheTextsNameTheFormTheShellLoads) {
    FakeRunner runner;
    ShellExtension extension(runner);
    EXPECT_EQ(extension.loadedUuid(), ShellExtension::uuid);
    extension.setLoadedUuid(ShellExtension::legacyUuid);
    MemoryPreferenceStore store;
    const Localization localization(store);
    const QString howTo = extensionHowTo(localization, State::disabled, extension.loadedUuid());
    EXPECT_TRUE(howTo.contains("\ngnome-extensions enable holdsheet-legacy@holdsheet.org"))
        << howTo.toStdString();
    EXPECT_TRUE(extensionNotice(localization, State::missing, extension.loadedUuid())
                    .contains("holdsheet-legacy@holdsheet.org"));
    extension.setLoadedUuid({});  // a session that names none
    EXPECT_EQ(extension.loadedUuid(), ShellExtension::uuid);
}

}  // namespace
}  // namespace holdsheet
