#include "sheetview/MenuBuilder.h"

#include "support/QtPrinters.h"
#include "support/VirtualScheduler.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace holdsheet {
namespace {

class MenuBuilderTest : public ::testing::Test {
  protected:
    // Chooses the item; its action runs at the next turn.
    void choose(QAction* item) {
        item->trigger();
        scheduler.runUntilIdle();
    }
    std::function<void()> record(std::string what) {
        return [this, what] { ran.push_back(what); };
    }
    static std::vector<QAction*> items(QMenu* menu) {
        std::vector<QAction*> found;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                found.push_back(action);
            }
        }
        return found;
    }

    testing::VirtualScheduler scheduler;
    QWidget view;
    bool hasView = true;
    std::vector<std::string> ran;
    std::vector<QString> symbolsDrawn;
    MenuBuilder builder{scheduler,
                        {[this] { return hasView ? &view : nullptr; }, record("print"),
                         record("share"), record("save"), record("settings"), record("quit")},
                        [](const QString& key) { return QStringLiteral("<%1>").arg(key); },
                        [this](const QString& symbol) {
                            symbolsDrawn.push_back(symbol);
                            QPixmap pixmap(16, 16);
                            pixmap.fill(Qt::red);
                            return QIcon(pixmap);
                        }};
};

// The menu is done with the click before the action runs: quitting tears the panel, and the
// menu in it, down.
TEST_F(MenuBuilderTest, EachMenuShowsItsEntriesOverTheViewAndRunsThemAtTheNextTurn) {
    const struct {
        std::function<QMenu*()> show;
        std::vector<QString> texts;  // "-": a separator
        std::vector<std::string> actions;
    } cases[] = {
        {[&] { return builder.showShareMenu(); },
         {"<share.print>", "<share.share>", "<share.savePDF>"},
         {"print", "share", "save"}},
        {[&] { return builder.showPanelMenu(); },
         {"<menu.settings>", "-", "<menu.quit>"},
         {"settings", "quit"}},
    };
    for (const auto& c : cases) {
        ran.clear();
        QMenu* menu = c.show();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->parentWidget(), &view);
        std::vector<QString> texts;
        for (QAction* action : menu->actions()) {
            texts.push_back(action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        EXPECT_EQ(texts, c.texts);
        for (QAction* entry : items(menu)) {
            EXPECT_FALSE(entry->icon().isNull()) << entry->text().toStdString();
            EXPECT_TRUE(entry->shortcut().isEmpty()) << entry->text().toStdString();
            const std::size_t before = ran.size();
            entry->trigger();
            EXPECT_EQ(ran.size(), before) << "runs at the next turn";
            scheduler.runUntilIdle();
        }
        EXPECT_EQ(ran, c.actions);
    }
}

// Every pop-up adds to one list of actions, so an item of any menu runs the action it was
// built with.
TEST_F(MenuBuilderTest, AnItemOfALaterMenuRunsItsOwnAction) {
    std::vector<QMenu*> menus;
    for (int i = 0; i < 3; ++i) {
        menus.push_back(builder.showShareMenu());
        ASSERT_NE(menus.back(), nullptr);
    }
    const auto third = items(menus[2]);
    ASSERT_EQ(third.size(), 3u);
    choose(third[0]);
    EXPECT_EQ(ran, std::vector<std::string>{"print"});

    // Entries of their own per pop-up tell the actions apart.
    std::vector<QMenu*> own;
    for (int i = 1; i <= 3; ++i) {
        own.push_back(
            builder.popUp({MenuBuilder::Item{"a", "printer", record("a" + std::to_string(i))},
                           MenuBuilder::Separator{},
                           MenuBuilder::Item{"b", "power", record("b" + std::to_string(i))}},
                          &view));
    }
    choose(items(own[2])[1]);
    choose(items(own[0])[0]);
    EXPECT_EQ(ran, (std::vector<std::string>{"print", "b3", "a1"}));
}

TEST_F(MenuBuilderTest, ATagOutsideTheListDoesNothing) {
    builder.showShareMenu();
    const QVariant tags[] = {QVariant(3), QVariant(99), QVariant(-1), QVariant(),
                             QVariant(QStringLiteral("print"))};
    for (const QVariant& tag : tags) {
        QAction stray;
        stray.setData(tag);
        builder.fire(stray);
    }
    EXPECT_TRUE(ran.empty());
    QAction last;
    last.setData(2);
    builder.fire(last);
    EXPECT_EQ(ran, std::vector<std::string>{"save"}) << "the last tag in the list runs";
}

TEST_F(MenuBuilderTest, WithoutAViewNoMenuShowsAndNothingIsAttached) {
    hasView = false;
    EXPECT_EQ(builder.showShareMenu(), nullptr);
    EXPECT_EQ(builder.showPanelMenu(), nullptr);
    EXPECT_EQ(builder.popUp({MenuBuilder::Item{"a", "printer", record("a")}}, nullptr), nullptr);
    EXPECT_EQ(builder.popUp({MenuBuilder::Item{"a", "printer", record("a")}}, nullptr, QRect()),
              nullptr);
    EXPECT_EQ(builder.actionCount(), 0);
    EXPECT_TRUE(symbolsDrawn.empty());
}

// An action that pops up another menu grows the list it is held in while it runs.
TEST_F(MenuBuilderTest, AnActionMayPopUpAnotherMenu) {
    std::vector<MenuBuilder::Entry> many(64, MenuBuilder::Item{"x", "printer", record("x")});
    std::string note = "popped up a menu of 64";
    QMenu* first = builder.popUp({MenuBuilder::Item{"more", "printer",
                                                    [&, note] {
                                                        builder.popUp(many, &view);
                                                        ran.push_back(note);
                                                    }}},
                                 &view);
    choose(first->actions()[0]);
    EXPECT_EQ(ran, std::vector<std::string>{"popped up a menu of 64"});
    EXPECT_EQ(builder.actionCount(), 65);
}

TEST_F(MenuBuilderTest, AClosedMenuGoes) {
    QPointer<QMenu> menu = builder.showShareMenu();
    ASSERT_FALSE(menu.isNull());
    menu->hide();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menu.isNull());
}

}  // namespace
}  // namespace holdsheet
