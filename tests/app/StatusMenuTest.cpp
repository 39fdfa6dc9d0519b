#include "app/StatusMenu.h"

#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "support/MemoryPreferenceStore.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>

#include <gtest/gtest.h>

#include <thread>

namespace holdsheet {
namespace {

using testing::MemoryPreferenceStore;

// The menu as the user reads it; a separator reads as "-".
QStringList titles(const StatusMenu& status) {
    QStringList texts;
    for (const QAction* action : status.menu()->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

QStringList titlesFromCatalogue(const QString& code) {
    const auto catalogue = Catalogue::load(code);
    return {catalogue->text("menu.show"), catalogue->text("menu.settings"), "-",
            catalogue->text("menu.quit")};
}

struct Fixture {
    MemoryPreferenceStore store;
    Localization localization{
        store, {[] { return QStringList{"en-GB"}; }, [] { return QLocale("en_GB"); }}};
    QStringList calls;
    StatusMenu make() {
        return StatusMenu(store, localization,
                          {[this] { calls << "show"; }, [this] { calls << "settings"; },
                           [this] { calls << "quit"; }});
    }
};

// Which language is chosen is the localization's to decide, and tested there.
TEST(StatusMenu, ListsItsCommandsInTheChosenLanguageAndIsMadeAnewOnlyWhenItChanges) {
    Fixture f;
    Preferences(f.store).setLanguage("de");
    const StatusMenu status = f.make();
    EXPECT_EQ(titles(status),
              (QStringList{"Spickzettel anzeigen", "Einstellungen", "-", "Holdsheet beenden"}));
    EXPECT_EQ(status.item().toolTip(), Catalogue::load("de")->text("app.name"));
    QPointer<QMenu> first = status.menu();

    Preferences(f.store).setTheme(AppTheme::dark);
    Preferences(f.store).setShowMenuBarIcon(false);
    Preferences(f.store).setLanguage("de");
    EXPECT_EQ(status.menu(), first.data()) << "unrelated changes keep the menu";

    Preferences(f.store).setLanguage("fr");
    EXPECT_TRUE(first.isNull()) << "the old menu is gone";
    EXPECT_EQ(titles(status), titlesFromCatalogue("fr"));
    EXPECT_EQ(status.item().contextMenu(), status.menu());

    QPointer<QMenu> french = status.menu();
    Preferences(f.store).setLanguage("system");  // back to the desktop's language
    EXPECT_TRUE(french.isNull());
    EXPECT_EQ(titles(status), titlesFromCatalogue("en"));

    // Each entry of the new menu runs its own command.
    const QList<QAction*> actions = status.menu()->actions();
    ASSERT_EQ(actions.size(), 4);
    actions[3]->trigger();
    actions[0]->trigger();
    actions[1]->trigger();
    EXPECT_EQ(f.calls, (QStringList{"quit", "show", "settings"}));
}

TEST(StatusMenu, IsPresentWhileThePreferenceHolds) {
    Fixture f;
    const StatusMenu status = f.make();
    EXPECT_TRUE(status.present()) << "absent reads as shown";
    for (const bool shown : {false, true, false, false, true}) {
        Preferences(f.store).setShowMenuBarIcon(shown);
        EXPECT_EQ(status.present(), shown);
    }

    Fixture hidden;
    Preferences(hidden.store).setShowMenuBarIcon(false);
    EXPECT_FALSE(hidden.make().present()) << "false at start";
}

TEST(StatusMenu, ChangesFromAnotherThreadAreTakenUpOnTheMainThread) {
    Fixture f;
    const StatusMenu status = f.make();
    QPointer<QMenu> first = status.menu();
    std::thread writer([&] {
        Preferences(f.store).setShowMenuBarIcon(false);
        Preferences(f.store).setLanguage("de");
    });
    writer.join();
    EXPECT_TRUE(status.present()) << "the item is not touched off the main thread";
    EXPECT_FALSE(first.isNull());

    QCoreApplication::processEvents();
    EXPECT_FALSE(status.present());
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(titles(status), titlesFromCatalogue("de"));
}

}  // namespace
}  // namespace holdsheet
