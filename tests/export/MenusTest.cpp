#include "export/FileClipboard.h"
#include "export/ShareMenu.h"
#include "sheetview/MenuBuilder.h"

#include "support/FakeExport.h"
#include "support/FakeRunner.h"
#include "support/QtPrinters.h"
#include "support/VirtualScheduler.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPixmap>
#include <QPointer>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

QIcon colourIcon(Qt::GlobalColor colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

class MenuTest : public ::testing::Test {
  protected:
    // Chooses the item; its action runs at the next turn.
    void choose(QAction* item) {
        ASSERT_NE(item, nullptr);
        item->trigger();
        scheduler.runUntilIdle();
    }
    std::function<void()> record(std::string what) {
        return [this, what] { ran.push_back(what); };
    }
    // The menu as shown: "title" per item, "-" per separator.
    static QStringList titles(const QMenu& menu) {
        QStringList shown;
        for (QAction* action : menu.actions()) {
            shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return shown;
    }
    static std::vector<QAction*> items(const QMenu* menu) {
        std::vector<QAction*> found;
        std::ranges::copy_if(menu->actions(), std::back_inserter(found),
                             [](const QAction* action) { return !action->isSeparator(); });
        return found;
    }
    static QAction* item(const QMenu& menu, const QString& title) {
        for (QAction* action : menu.actions()) {
            if (action->text() == title) {
                return action;
            }
        }
        ADD_FAILURE() << "no item " << title.toStdString();
        return nullptr;
    }

    VirtualScheduler scheduler;
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
                            return colourIcon(Qt::blue);
                        }};
};

class ShareMenuTest : public MenuTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        pdf = folder.filePath("Holdsheet - Editor.pdf");
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4 a sheet");
    }
    std::vector<MenuBuilder::Entry> entries() {
        return shareMenuEntries(pdf, {handlers, runner, viewer, [](const QString& key) {
                                          return QStringLiteral("<%1>").arg(key);
                                      }});
    }

    QTemporaryDir folder;
    QString pdf;
    FakeFileHandlers handlers;
    FakeRunner runner;
    FakeFileViewer viewer;
};

// The menu is done with the click before the action runs: quitting tears the panel, and the
// menu in it, down.
TEST_F(MenuTest, EachMenuShowsItsEntriesOverTheViewAndRunsThemAtTheNextTurn) {
    const struct {
        std::function<QMenu*()> show;
        QStringList texts;
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
        EXPECT_EQ(titles(*menu), c.texts);
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
TEST_F(MenuTest, AnItemOfALaterMenuRunsItsOwnAction) {
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

TEST_F(MenuTest, ATagOutsideTheListDoesNothingAndAClosedMenuGoes) {
    QPointer<QMenu> menu = builder.showShareMenu();
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

    ASSERT_FALSE(menu.isNull());
    menu->hide();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menu.isNull());
}

TEST_F(MenuTest, WithoutAViewNoMenuShowsAndNothingIsAttached) {
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
TEST_F(MenuTest, AnActionMayPopUpAnotherMenu) {
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

TEST_F(ShareMenuTest, ApplicationsComeFirstTheDefaultOneAheadAndEachEntryDoesItsPart) {
    handlers.list = {{"viewer.desktop", "Viewer", colourIcon(Qt::green), false},
                     {"reader.desktop", "Reader", colourIcon(Qt::red), true},
                     {"draw.desktop", "Draw", QIcon(), false}};
    runner.installed = {"xdg-email"};
    const auto menu = builder.build(entries());
    EXPECT_EQ(handlers.asked, QStringList{"application/pdf"});
    EXPECT_EQ(titles(*menu), (QStringList{"Reader", "Viewer", "Draw", "-", "<share.email>",
                                          "<share.copy>", "<share.showInFiles>"}));
    EXPECT_EQ(menu->actions()[0]->icon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(menu->actions()[1]->icon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::green));

    choose(item(*menu, "Viewer"));
    ASSERT_EQ(handlers.opened.size(), 1u);
    EXPECT_EQ(handlers.opened[0], std::make_pair(QString("viewer.desktop"), pdf));
    choose(item(*menu, "<share.email>"));
    EXPECT_EQ(runner.log,
              std::vector<std::string>{("launch xdg-email --attach " + pdf).toStdString()});
    choose(item(*menu, "<share.showInFiles>"));
    EXPECT_EQ(viewer.revealed, QStringList{pdf});

    // Copy puts the file's address and its content on the clipboard.
    QGuiApplication::clipboard()->clear();
    choose(item(*menu, "<share.copy>"));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat("text/uri-list"));
    EXPECT_TRUE(data->hasFormat("application/pdf"));
    EXPECT_EQ(data->urls(), QList<QUrl>{QUrl::fromLocalFile(pdf)});
    EXPECT_EQ(data->data("application/pdf"), "%PDF-1.4 a sheet");
    EXPECT_EQ(data->data("x-special/gnome-copied-files"),
              "copy\n" + QUrl::fromLocalFile(pdf).toEncoded());
    // A file that cannot be read leaves the clipboard alone.
    QGuiApplication::clipboard()->setText("kept");
    EXPECT_FALSE(copyPDFToClipboard(folder.filePath("gone.pdf")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
}

TEST_F(ShareMenuTest, WhatIsOfferedFollowsWhatIsInstalled) {
    const struct {
        const char* name;
        std::vector<FileHandler> applications;
        bool mail;
        QStringList shown;
    } cases[] = {
        {"nothing installed", {}, false, {"<share.copy>", "<share.showInFiles>"}},
        {"mail only", {}, true, {"<share.email>", "<share.copy>", "<share.showInFiles>"}},
        {"an application, no mail",
         {{"reader.desktop", "Reader", QIcon(), false}},
         false,
         {"Reader", "-", "<share.copy>", "<share.showInFiles>"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        handlers.list = test.applications;
        runner.installed.clear();
        if (test.mail) {
            runner.installed.insert("xdg-email");
        }
        const auto menu = builder.build(entries());
        EXPECT_EQ(titles(*menu), test.shown);
    }
}

// The name holds the other application's name; the mail handler's script must not read
// any of it as syntax.
TEST_F(ShareMenuTest, AnAttachmentWhoseNameAMailScriptCouldMisreadGoesAsASafeCopy) {
    const QString unsafe = folder.filePath("Holdsheet - Tom's, \"Editor\" $(x)\\.pdf");
    ASSERT_TRUE(QFile::copy(pdf, unsafe));
    pdf = unsafe;
    runner.installed = {"xdg-email"};
    choose(item(*builder.build(entries()), "<share.email>"));
    const QString safe = folder.filePath("Holdsheet - Tom-s- -Editor- -(x)-.pdf");
    EXPECT_EQ(runner.log,
              std::vector<std::string>{("launch xdg-email --attach " + safe).toStdString()});
    QFile copy(safe);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), "%PDF-1.4 a sheet");
}

TEST(MailSafeFileName, KeepsLettersOfEveryScriptAndMakesSyntaxDashes) {
    const std::pair<QString, QString> names[] = {
        {"Holdsheet - Editor.pdf", "Holdsheet - Editor.pdf"},
        {"Holdsheet - Éditeur (2) 文本 ✓.pdf", "Holdsheet - Éditeur (2) 文本 -.pdf"},
        {"a'b\"c,d\\e&f?g=h%i\nj`k$l;m|n<o>p*q.pdf", "a-b-c-d-e-f-g-h-i-j-k-l-m-n-o-p-q.pdf"},
        {QString::fromUtf8("Holdsheet - 😀.pdf"), QString::fromUtf8("Holdsheet - 😀.pdf")},
    };
    for (const auto& [name, safe] : names) {
        EXPECT_EQ(mailSafeFileName(name), safe);
    }
}

}  // namespace
}  // namespace holdsheet
