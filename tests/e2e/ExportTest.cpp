#include "E2eSupport.h"

#include "platform/x11/ActiveWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

#include <unistd.h>

// Printing, sharing and saving from the panel's footer, clicked as a person clicks.

namespace holdsheet::e2e {
namespace {

// The open pop-up menu as the program reports it on the bus, an item a line:
// "x y width height title".
QStringList openMenu() {
    return panelStatus().value("menu").toStringList();
}

QStringList openMenuTitles() {
    QStringList titles;
    for (const QString& line : openMenu()) {
        titles << line.section(' ', 4);
    }
    return titles;
}

// Clicks the item once the menu shows it; false when it never does.
bool chooseFromMenu(const QString& title) {
    const auto frame = waitFor([&]() -> std::optional<QRect> {
        for (const QString& line : openMenu()) {
            const QStringList fields = line.split(' ');
            if (line.section(' ', 4) == title) {
                return QRect(fields[0].toInt(), fields[1].toInt(), fields[2].toInt(),
                             fields[3].toInt());
            }
        }
        return std::nullopt;
    });
    if (frame) {
        clickAt(frame->center());
    }
    return frame.has_value();
}

// Activates the window until `isActive` holds.
bool bringToFront(const QString& window, const std::function<bool()>& isActive) {
    return waitUntil([&] {
        if (isActive()) {
            return true;
        }
        xdotool({"windowactivate", window});
        return false;
    });
}

QString pdfInfo(const QString& path) {
    return runTool("pdfinfo", {path});
}

const QString saveTitle = QStringLiteral("Save Cheat Sheet as PDF");

bool titledInFront(const QString& title) {
    return waitUntil([&] { return activeWindowTitle() == title; });
}

int beeps() {
    return panelStatus().value("beeps").toInt();
}

QStringList linesOf(const QString& path) {
    return QString::fromUtf8(readFile(path)).split('\n', Qt::SkipEmptyParts);
}

// The program over a GTK fixture with a few shortcuts, a file manager that records what it
// is asked to show, and a PDF reader whose "opening" copies the file.
class Export : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(waitUntil([] { return nameOnBus("org.freedesktop.FileManager1"); }, 30s));
        ASSERT_TRUE(target.waitUntilReadable() && target.inFront());
    }
    // `extra` goes into the environment of the program.
    void start(const QByteArray& settings = {},
               const std::vector<std::pair<QString, QString>>& extra = {}) {
        QProcessEnvironment environment = withSettings(folder.filePath("config"), settings);
        // A PDF reader of the desktop's, and the default one for PDF files.
        writeFile(folder.filePath("data/applications/holdsheet-test-reader.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Test Reader\nIcon=document-print\n"
                  "MimeType=application/pdf;\nExec=/bin/cp %f " +
                      QFile::encodeName(opened()) + "\n");
        writeFile(folder.filePath("config/mimeapps.list"),
                  "[Default Applications]\napplication/pdf=holdsheet-test-reader.desktop\n");
        environment.insert("XDG_DATA_HOME", folder.filePath("data"));
        for (const auto& [name, value] : extra) {
            environment.insert(name, value);
        }
        holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, environment);
        ASSERT_TRUE(holdsheetAnswers());
        showPanel();
    }
    // Clicks a footer button, found by its accessible name, and waits for its menu.
    void openMenuOf(const QString& button, const QString& firstItem) {
        ASSERT_TRUE(clickAccessible(holdsheet->pid(), button))
            << "no button " << button.toStdString();
        ASSERT_TRUE(waitUntil([&] { return openMenuTitles().value(0) == firstItem; }))
            << openMenuTitles().join(", ").toStdString();
    }
    QString revealRecord() const { return folder.filePath("revealed.txt"); }
    QString opened() const { return folder.filePath("opened.pdf"); }

    QTemporaryDir folder{QDir::tempPath() + "/holdsheet-export-XXXXXX"};
    RunningApp fileManager{QStringList{"/usr/bin/python3",
                                       E2E_SOURCE_DIR "/fixtures/fake-desktop.py", "file-manager",
                                       folder.filePath("revealed.txt")}};
    RunningApp target{Toolkit::gtk, twoMenus()};
    std::optional<RunningApp> holdsheet;
};

TEST_F(Export, SavingThroughTheDialogWritesThePDFAndShowsItInTheFileManager) {
    start();
    openMenuOf("Export", "Print…");
    EXPECT_EQ(openMenuTitles(), (QStringList{"Print…", "Share…", "Save as PDF…"}));
    screenshot("menu-share.png");
    ASSERT_TRUE(chooseFromMenu("Save as PDF…"));
    EXPECT_TRUE(panelCloses());

    ASSERT_TRUE(titledInFront(saveTitle))
        << "the dialog has the keyboard: " << activeWindowTitle().toStdString();
    screenshot("save-dialog.png");

    const QString path = folder.filePath("saved/sheet.pdf");
    QDir().mkpath(folder.filePath("saved"));
    xdotool({"key", "ctrl+a"});
    xdotool({"type", "--delay", "15", path});
    xdotool({"key", "Return"});
    ASSERT_TRUE(waitUntil([&] { return pdfInfo(path).contains("Pages:"); }, 30s));
    const QString info = pdfInfo(path);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("Keyboard Shortcuts")) << info.toStdString();
    EXPECT_TRUE(info.contains("842 x 595 pts")) << info.toStdString();
    EXPECT_TRUE(waitUntil([&] { return windowTitled(saveTitle).isEmpty(); }));
    EXPECT_TRUE(waitUntil([&] {
        return linesOf(revealRecord()) ==
               QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)};
    })) << linesOf(revealRecord()).join(", ").toStdString();
    EXPECT_EQ(beeps(), 0);
}

// The desktop's focus would go back to the window used last, here another application; the
// program gives it to the panel's target.
TEST_F(Export, ACancelledSaveBringsTheTargetBack) {
    RunningApp other(Toolkit::gtk, twoMenus());
    ASSERT_TRUE(other.waitUntilReadable());
    ASSERT_TRUE(waitUntil([&] { return !windowOf(other.pid()).isEmpty(); }));
    ASSERT_TRUE(activate(target.pid()));
    start();
    ASSERT_EQ(panelStatus().value("targetPid").toInt(), target.pid());
    openMenuOf("Export", "Print…");
    ASSERT_TRUE(chooseFromMenu("Save as PDF…"));
    ASSERT_TRUE(titledInFront(saveTitle));
    const QString dialog = windowTitled(saveTitle);

    // The dialog asks to be activated once more after it shows: ask until the other one is.
    ASSERT_TRUE(
        bringToFront(windowOf(other.pid()), [&] { return activeWindowPid() == other.pid(); }));
    ASSERT_TRUE(bringToFront(dialog, [&] { return activeWindowTitle() == saveTitle; }));
    xdotool({"key", "Escape"});
    EXPECT_TRUE(waitUntil([&] { return windowTitled(saveTitle).isEmpty(); }));
    EXPECT_TRUE(target.inFront()) << "active: " << activeWindowTitle().toStdString();
    EXPECT_TRUE(linesOf(revealRecord()).isEmpty());
}

TEST_F(Export, SharingOffersTheDesktopsPDFApplicationsMailCopyAndTheFileManager) {
    start();
    openMenuOf("Export", "Print…");
    ASSERT_TRUE(chooseFromMenu("Share…"));
    ASSERT_TRUE(waitUntil([] { return openMenuTitles().value(0) == "Test Reader"; }))
        << openMenuTitles().join(", ").toStdString();
    const QStringList expected = QFileInfo::exists("/usr/bin/xdg-email")
                                     ? QStringList{"Email…", "Copy", "Show in Files"}
                                     : QStringList{"Copy", "Show in Files"};
    EXPECT_EQ(openMenuTitles().mid(openMenuTitles().size() - expected.size()), expected);
    EXPECT_TRUE(panelVisible()) << "the panel stays open";
    screenshot("menu-share-desktop.png");

    ASSERT_TRUE(chooseFromMenu("Show in Files"));
    ASSERT_TRUE(waitUntil([&] { return linesOf(revealRecord()).size() == 1; }));
    const QString revealed = QUrl(linesOf(revealRecord()).front()).toLocalFile();
    EXPECT_TRUE(revealed.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/Holdsheet/"))
        << revealed.toStdString();
    EXPECT_TRUE(pdfInfo(revealed).contains("Keyboard Shortcuts"));

    // The reader opens the same file: its "opening" copies it.
    EXPECT_TRUE(panelVisible()) << "no window came to the front";
    openMenuOf("Export", "Print…");
    ASSERT_TRUE(chooseFromMenu("Share…"));
    ASSERT_TRUE(chooseFromMenu("Test Reader"));
    EXPECT_TRUE(waitUntil([&] { return pdfInfo(opened()).contains("Pages:"); }));
}

TEST_F(Export, TheProgramMenuOpensTheSettingsAndQuits) {
    start();
    openMenuOf("Settings", "Settings");
    EXPECT_EQ(openMenuTitles(), (QStringList{"Settings", "Quit Holdsheet"}));
    screenshot("menu-program.png");

    // Escape closes the menu alone, and typing goes on into the search field.
    xdotool({"key", "Escape"});
    ASSERT_TRUE(waitUntil([] { return openMenu().isEmpty(); }));
    EXPECT_TRUE(panelVisible());
    xdotool({"type", "--delay", "20", "sav"});
    EXPECT_TRUE(waitUntil([] { return panelStatus().value("query").toString() == "sav"; }))
        << panelStatus().value("query").toString().toStdString();
    EXPECT_TRUE(panelVisible());

    openMenuOf("Settings", "Settings");
    ASSERT_TRUE(chooseFromMenu("Settings"));
    EXPECT_TRUE(waitUntil([] { return openWindows() == QStringList{"settings"}; }));
    EXPECT_TRUE(panelCloses());

    ASSERT_TRUE(activate(target.pid()));
    showPanel();
    openMenuOf("Settings", "Settings");
    ASSERT_TRUE(chooseFromMenu(openMenuTitles().value(1)));
    EXPECT_TRUE(waitUntil([] { return panelStatus().isEmpty(); })) << "still running";
    EXPECT_EQ(holdsheet->terminate(), std::optional<int>(0));
}

// Nothing to export: the one sound the program makes, and nothing else happens.
TEST_F(Export, AnEmptySheetOnlyBeeps) {
    RunningApp bare(Toolkit::gtk, {{0, "menu", "_File", "", ""}, {1, "item", "_Open", "", ""}});
    // Its menus have nothing to read: it is ready once its window is in front.
    ASSERT_TRUE(bare.inFront(30s));
    start("showSystemShortcuts=false\n");
    ASSERT_EQ(panelStatus().value("itemCount").toInt(), 0);
    for (const QString item : {"Print…", "Save as PDF…", "Share…"}) {
        SCOPED_TRACE(item.toStdString());
        const int before = beeps();
        openMenuOf("Export", "Print…");
        ASSERT_TRUE(chooseFromMenu(item));
        EXPECT_TRUE(waitUntil([&] { return beeps() == before + 1; }));
        EXPECT_TRUE(panelVisible());
        EXPECT_TRUE(openMenu().isEmpty());
        EXPECT_TRUE(windowTitled("Print").isEmpty());
        EXPECT_TRUE(windowTitled(saveTitle).isEmpty());
    }
}

// Printing to a real CUPS queue that writes PDF files: a server of the test's own.
TEST_F(Export, PrintingGoesThroughThePrintDialogToTheQueue) {
    if (geteuid() != 0 || !QFileInfo::exists("/usr/sbin/cupsd") ||
        !QFileInfo::exists("/usr/lib/cups/backend/cups-pdf")) {
        GTEST_SKIP() << "a CUPS server of the test's own needs root, cupsd and cups-pdf";
    }
    // cupsd's filters run as lp: the server's folder must be open to it.
    QTemporaryDir server(QDir::tempPath() + "/holdsheet-cups-XXXXXX");
    ASSERT_TRUE(QFile::setPermissions(
        server.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                           QFileDevice::ExeOther | QFileDevice::ReadOther));
    const QString queue = "holdsheet-" + QFileInfo(server.path()).fileName().section('-', -1);
    const QString printed = server.filePath("printed");
    // The server removes the queue's cups-pdf settings from /etc/cups when it ends in order;
    // this, when the test ends it otherwise.
    const std::shared_ptr<void> removed(
        nullptr, [queue](void*) { QFile::remove("/etc/cups/cups-pdf-" + queue + ".conf"); });
    RunningApp cups(QStringList{E2E_SOURCE_DIR "/fixtures/private-cups", server.filePath("srv"),
                                printed, queue});
    const QString socket = server.filePath("srv/cups.sock");
    ASSERT_TRUE(waitUntil(
        [&] {
            return runTool("env", {"CUPS_SERVER=" + socket, "lpstat", "-d"}).contains(queue);
        },
        60s))
        << cups.errorOutput().toStdString();

    start({}, {{"CUPS_SERVER", socket}});
    openMenuOf("Export", "Print…");
    ASSERT_TRUE(chooseFromMenu("Print…"));
    EXPECT_TRUE(panelCloses());
    ASSERT_TRUE(waitUntil([] { return !windowTitled("Print").isEmpty(); }, 30s));
    ASSERT_TRUE(titledInFront("Print"));
    screenshot("print-dialog.png");
    xdotool({"key", "Return"});
    QString file;
    EXPECT_TRUE(waitUntil(
        [&] {
            const QStringList pdfs = QDir(printed).entryList({"*.pdf"}, QDir::Files);
            file = pdfs.isEmpty() ? QString() : QDir(printed).filePath(pdfs.front());
            return !file.isEmpty() && pdfInfo(file).contains("Pages:");
        },
        90s))
        << cups.errorOutput().toStdString();
    EXPECT_TRUE(pdfInfo(file).contains(QRegularExpression("Pages:\\s+1\\n")))
        << pdfInfo(file).toStdString();
    EXPECT_TRUE(target.inFront()) << "the target comes back after printing";
    if (!file.isEmpty()) {
        runTool("pdftoppm",
                {"-png", "-r", "50", "-singlefile", file, HOLDSHEET_ARTIFACTS "/printed-page"});
    }
    EXPECT_EQ(cups.terminate(), std::optional<int>(0));
}

}  // namespace
}  // namespace holdsheet::e2e
