#include "export/ExportActions.h"

#include "export/TemporaryPdf.h"
#include "panel/PanelController.h"
#include "sheetview/MenuBuilder.h"
#include "support/FakeExport.h"
#include "support/FakeRunner.h"
#include "support/PanelHarness.h"
#include "support/QtPrinters.h"

#include "PdfTools.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace std::chrono_literals;
using namespace holdsheet::testing;

// The panel of PanelHarness over the editor, whose sheet has "Editor Menu" with "Open" ⌘O
// and "Save" ⌘S, and the export's collaborators around it.
class Export : public ::testing::Test, public PanelHarness {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ax.menuBar(editor.pid).menu("Editor Menu").item("Save").key("s");
        ASSERT_TRUE(QDir().mkdir(folder.filePath("runtime"), QFileDevice::ReadOwner |
                                                                 QFileDevice::WriteOwner |
                                                                 QFileDevice::ExeOwner));
        controller.show();
        scheduler.runUntilIdle();
        ASSERT_TRUE(controller.model().sheet());
        ASSERT_EQ(controller.model().sheet()->itemCount(), 2);
        ASSERT_TRUE(panelVisible());
    }

    QTemporaryDir folder;
    FakeExportDialogs dialogs;
    FakeFileHandlers handlers;
    FakeFileViewer fileViewer;
    FakeRunner runner;
    int beeps = 0;
    QWidget content;
    bool hasContent = true;
    MenuBuilder menus{scheduler, {}, [](const QString& key) { return key; }, {}};
    ExportActions actions{
        {controller, workspace, dialogs, handlers, fileViewer, runner, menus, localization,
         [this] { ++beeps; }, [this] { return hasContent ? &content : nullptr; },
         ExportFolderPlaces{folder.filePath("runtime"), folder.filePath("cache")}}};
};

TEST_F(Export, TheSourceIsTheWholeStoredSheetWhateverTheSearchFieldHolds) {
    controller.model().setQuery("Save");
    const auto source = actions.exportSource();
    ASSERT_TRUE(source);
    EXPECT_EQ(ShortcutSheet{source->groups}.itemCount(), 2);
    EXPECT_EQ(source->appName, "Editor");
    ASSERT_TRUE(source->targetApp);
    EXPECT_EQ(source->targetApp->pid, editor.pid);
    EXPECT_EQ(beeps, 0);
}

TEST_F(Export, NothingToExportBeepsAndDoesNothingElse) {
    const struct {
        const char* name;
        bool missing;
        std::function<void(ExportActions&)> run;
    } cases[] = {
        {"source of an empty sheet", false,
         [](ExportActions& a) { EXPECT_FALSE(a.exportSource()); }},
        {"source while loading", true, [](ExportActions& a) { EXPECT_FALSE(a.exportSource()); }},
        {"print", false, [](ExportActions& a) { a.printSheet(); }},
        {"share", false, [](ExportActions& a) { EXPECT_EQ(a.shareSheet(), nullptr); }},
        {"save", true, [](ExportActions& a) { a.savePDF(); }},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        controller.model().setSheet(test.missing ? std::nullopt
                                                 : std::optional<ShortcutSheet>(ShortcutSheet{}));
        beeps = 0;
        test.run(actions);
        EXPECT_EQ(beeps, 1);
        EXPECT_TRUE(panelVisible());
        EXPECT_TRUE(dialogs.printed.isEmpty());
        EXPECT_TRUE(dialogs.saveTitles.isEmpty());
        EXPECT_TRUE(workspace.activations.empty());
        EXPECT_TRUE(QDir(folder.filePath("runtime")).isEmpty());
        EXPECT_EQ(menus.actionCount(), 0);
    }
}

// The target comes back as the panel closes, whichever application the desktop would
// activate, unless a saved file is shown.
TEST_F(Export, SavingOrPrintingClosesThePanelAndBringsTheTargetBackUnlessAFileIsShown) {
    const QString saved = folder.filePath("Chosen.pdf");
    const QString printed = folder.filePath("printed.pdf");
    const struct {
        const char* name;
        bool print;
        std::optional<QString> answer;  // the dialog's; none or empty: cancelled
        QString made;                   // the PDF file written
        int beeps;
    } cases[] = {
        {"saved", false, saved, saved, 0},
        {"save cancelled", false, std::nullopt, {}, 0},
        {"saved in a folder that is not there",
         false,
         folder.filePath("missing/Chosen.pdf"),
         {},
         1},
        {"printed", true, printed, printed, 0},
        {"print cancelled", true, QString(), {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        workspace.front = editor;
        controller.show();
        scheduler.runUntilIdle();
        workspace.front = viewer;
        workspace.activations.clear();
        fileViewer.revealed.clear();
        dialogs.painted = false;
        beeps = 0;
        if (c.print) {
            dialogs.printTo = *c.answer;
            actions.printSheet();
        } else {
            dialogs.saveAs = c.answer;
            actions.savePDF();
        }
        scheduler.advance(1s);
        EXPECT_FALSE(panelVisible());
        if (!c.made.isEmpty()) {
            EXPECT_EQ(pageCountOf(c.made), 1);
        }
        EXPECT_EQ(dialogs.painted, c.print && !c.made.isEmpty());
        const bool shown = !c.print && !c.made.isEmpty();
        EXPECT_EQ(fileViewer.revealed, shown ? QStringList{saved} : QStringList());
        ASSERT_EQ(workspace.activations.size(), shown ? 0u : 1u);
        if (!shown) {
            EXPECT_EQ(workspace.activations[0].pid, editor.pid);
        }
        EXPECT_EQ(beeps, c.beeps);
    }
    EXPECT_EQ(dialogs.saveTitles, QStringList(3, "Save Cheat Sheet as PDF"));
    EXPECT_EQ(dialogs.suggestedNames, QStringList(3, "Holdsheet - Editor.pdf"));
    EXPECT_EQ(dialogs.printed, QStringList(2, "Editor Keyboard Shortcuts"));
    EXPECT_FALSE(QFile::exists(folder.filePath("missing/Chosen.pdf")));
}

TEST_F(Export, SharingWritesTheTemporaryPDFAndOpensTheMenuOverTheFooterIfThereIsOne) {
    content.setGeometry(50, 50, 600, 400);  // on the offscreen screen, 800 × 600
    handlers.list = {{"reader.desktop", "Reader", QIcon(), true}};
    QMenu* menu = actions.shareSheet();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(panelVisible()) << "the panel stays open";
    EXPECT_TRUE(workspace.activations.empty());
    const QString written = folder.filePath("runtime/Holdsheet/Holdsheet - Editor.pdf");
    EXPECT_TRUE(isPDF(written));
    EXPECT_EQ(menu->parentWidget(), &content);
    EXPECT_EQ(menu->geometry().bottom() + 1, content.mapToGlobal(QPoint(0, 360)).y());
    EXPECT_EQ(menu->geometry().left(), content.mapToGlobal(QPoint(410, 0)).x());

    ASSERT_FALSE(menu->actions().isEmpty());
    EXPECT_EQ(menu->actions()[0]->text(), "Reader");
    menu->actions()[0]->trigger();
    scheduler.runUntilIdle();
    ASSERT_EQ(handlers.opened.size(), 1u);
    EXPECT_EQ(QFileInfo(handlers.opened[0].second), QFileInfo(written));

    // Without the content view no menu shows, but the file is written all the same.
    ASSERT_TRUE(QFile::remove(written));
    hasContent = false;
    EXPECT_EQ(actions.shareSheet(), nullptr);
    EXPECT_TRUE(isPDF(written));
    EXPECT_EQ(beeps, 0);
}

}  // namespace
}  // namespace holdsheet
