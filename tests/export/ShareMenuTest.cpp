#include "export/FileClipboard.h"
#include "export/ShareMenu.h"

#include "support/FakeExport.h"
#include "support/FakeRunner.h"
#include "support/QtPrinters.h"
#include "support/VirtualScheduler.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPixmap>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

QIcon colourIcon(Qt::GlobalColor colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

class ShareMenuTest : public ::testing::Test {
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
    // The menu as shown: "title" per item, "-" per separator.
    QStringList titles(QMenu& menu) {
        QStringList shown;
        for (QAction* action : menu.actions()) {
            shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return shown;
    }
    QAction* item(QMenu& menu, const QString& title) {
        for (QAction* action : menu.actions()) {
            if (action->text() == title) {
                return action;
            }
        }
        ADD_FAILURE() << "no item " << title.toStdString();
        return nullptr;
    }

    QTemporaryDir folder;
    QString pdf;
    FakeFileHandlers handlers;
    FakeRunner runner;
    FakeFileViewer viewer;
    VirtualScheduler scheduler;
    MenuBuilder builder{scheduler, {}, [](const QString& key) { return key; }, {}};
    // Chooses the item; its action runs at the next turn.
    void choose(QAction* item) {
        ASSERT_NE(item, nullptr);
        item->trigger();
        scheduler.runUntilIdle();
    }
};

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
    runner.installed = {"xdg-email"};
    const auto menu = builder.build(shareMenuEntries(
        unsafe, {handlers, runner, viewer, [](const QString& key) { return key; }}));
    choose(item(*menu, "share.email"));
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

TEST_F(ShareMenuTest, CopyPutsTheFilesAddressAndContentOnTheClipboardWhenItCanReadIt) {
    QGuiApplication::clipboard()->clear();
    const auto menu = builder.build(entries());
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

}  // namespace
}  // namespace holdsheet
