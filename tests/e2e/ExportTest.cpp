#include "E2eSupport.h"

#include "platform/linux/ActiveWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <optional>

#include <unistd.h>

// Printing, sharing and saving from the panel's footer, clicked as a person clicks.

namespace holdsheet::e2e {
namespace {

const std::vector<MenuLine> someShortcuts{
    {0, "menu", "_File", "", ""},
    {1, "item", "_Open", "<Primary>o", "Ctrl+O"},
    {1, "item", "_Save", "<Primary>s", "Ctrl+S"},
    {0, "menu", "_Edit", "", ""},
    {1, "item", "_Copy", "<Primary>c", "Ctrl+C"},
};

const QString artifacts = QStringLiteral(HOLDSHEET_ARTIFACTS);

void clickAt(const QPoint& point) {
    runTool("xdotool",
            {"mousemove", QString::number(point.x()), QString::number(point.y()), "click", "1"});
}

// An item of the open pop-up menu, as the program reports it on the bus.
struct MenuItem {
    QRect frame;
    QString title;
};

std::vector<MenuItem> openMenu() {
    std::vector<MenuItem> items;
    for (const QString& line : panelStatus().value("menu").toStringList()) {
        const QStringList fields = line.split(' ');
        if (fields.size() >= 5) {
            items.push_back(
                {QRect(fields[0].toInt(), fields[1].toInt(), fields[2].toInt(), fields[3].toInt()),
                 fields.mid(4).join(' ')});
        }
    }
    return items;
}

QStringList openMenuTitles() {
    QStringList titles;
    for (const MenuItem& item : openMenu()) {
        titles << item.title;
    }
    return titles;
}

// Clicks the item once the menu shows it; false when it never does.
bool chooseFromMenu(const QString& title) {
    std::optional<MenuItem> found;
    const bool shown = waitUntil(
        [&] {
            for (const MenuItem& item : openMenu()) {
                if (item.title == title) {
                    found = item;
                }
            }
            return found.has_value();
        },
        20s);
    if (shown) {
        clickAt(found->frame.center());
    }
    return shown;
}

// The visible window titled exactly `title`, or empty.
QString windowTitled(const QString& title) {
    return runTool("xdotool", {"search", "--onlyvisible", "--name",
                               "^" + QRegularExpression::escape(title) + "$"})
        .split('\n')
        .value(0);
}

QString activeWindowTitle() {
    return runTool("xdotool", {"getactivewindow", "getwindowname"});
}

// A file removed when this goes out of scope.
struct RemovedAtEnd {
    QString path;
    ~RemovedAtEnd() { QFile::remove(path); }
};

// Activates the window until `isActive` holds.
bool bringToFront(const QString& window, const std::function<bool()>& isActive) {
    return waitUntil(
        [&] {
            if (isActive()) {
                return true;
            }
            runTool("xdotool", {"windowactivate", window});
            return false;
        },
        20s);
}

QString pdfInfo(const QString& path) {
    return runTool("pdfinfo", {path});
}

int beeps() {
    return panelStatus().value("beeps").toInt();
}

QStringList linesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// The program over a GTK fixture with a few shortcuts, a file manager that records what it
// is asked to show, and a PDF reader whose "opening" copies the file.
class Export : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(waitUntil([] { return nameOnBus("org.freedesktop.FileManager1"); }, 30s));
        ASSERT_TRUE(target.waitUntilReadable());
        ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == target.pid(); }, 20s));
    }
    // `extra` goes into the environment of the program.
    void start(const QByteArray& settings = {},
               const std::vector<std::pair<QString, QString>>& extra = {}) {
        QProcessEnvironment environment =
            withConfigFile(folder.filePath("config"), "Holdsheet/Holdsheet.conf",
                           "[General]\nhasOnboarded=true\n" + settings);
        // A PDF reader of the desktop's, and the default one for PDF files.
        QDir().mkpath(folder.filePath("data/applications"));
        QFile reader(folder.filePath("data/applications/holdsheet-test-reader.desktop"));
        EXPECT_TRUE(reader.open(QIODevice::WriteOnly));
        reader.write(
            "[Desktop Entry]\nType=Application\nName=Test Reader\nIcon=document-print\n"
            "MimeType=application/pdf;\nExec=/bin/cp %f " +
            QFile::encodeName(opened()) + "\n");
        reader.close();
        QFile associations(folder.filePath("config/mimeapps.list"));
        EXPECT_TRUE(associations.open(QIODevice::WriteOnly));
        associations.write(
            "[Default Applications]\napplication/pdf=holdsheet-test-reader.desktop\n");
        associations.close();
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
        std::optional<Accessible> found;
        ASSERT_TRUE(waitUntil(
            [&] { return (found = findAccessible(holdsheet->pid(), button)).has_value(); }, 20s))
            << "no button " << button.toStdString();
        clickAt(found->frame.center());
        ASSERT_TRUE(waitUntil([&] { return openMenuTitles().value(0) == firstItem; }, 20s))
            << openMenuTitles().join(", ").toStdString();
    }
    QString revealRecord() const { return folder.filePath("revealed.txt"); }
    QString opened() const { return folder.filePath("opened.pdf"); }

    QTemporaryDir folder{QDir::tempPath() + "/holdsheet-export-XXXXXX"};
    RunningApp fileManager{QStringList{"/usr/bin/python3",
                                       E2E_SOURCE_DIR "/fixtures/fake-file-manager.py",
                                       folder.filePath("revealed.txt")}};
    RunningApp target{Toolkit::gtk, someShortcuts};
    std::optional<RunningApp> holdsheet;
};

TEST_F(Export, SavingThroughTheDialogWritesThePDFAndShowsItInTheFileManager) {
    start();
    openMenuOf("Export", "Print…");
    EXPECT_EQ(openMenuTitles(), (QStringList{"Print…", "Share…", "Save as PDF…"}));
    screenshot("menu-share.png");
    ASSERT_TRUE(chooseFromMenu("Save as PDF…"));
    EXPECT_TRUE(panelCloses());

    const QString title = "Save Cheat Sheet as PDF";
    ASSERT_TRUE(waitUntil([&] { return !windowTitled(title).isEmpty(); }, 20s));
    ASSERT_TRUE(waitUntil([&] { return activeWindowTitle() == title; }, 20s))
        << "the dialog has the keyboard: " << activeWindowTitle().toStdString();
    screenshot("save-dialog.png");

    const QString path = folder.filePath("saved/sheet.pdf");
    QDir().mkpath(folder.filePath("saved"));
    runTool("xdotool", {"key", "ctrl+a"});
    runTool("xdotool", {"type", "--delay", "15", path});
    runTool("xdotool", {"key", "Return"});
    ASSERT_TRUE(waitUntil([&] { return pdfInfo(path).contains("Pages:"); }, 30s));
    const QString info = pdfInfo(path);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("Keyboard Shortcuts")) << info.toStdString();
    EXPECT_TRUE(info.contains("842 x 595 pts")) << info.toStdString();
    EXPECT_TRUE(waitUntil([&] { return windowTitled(title).isEmpty(); }, 20s));
    EXPECT_TRUE(waitUntil(
        [&] {
            return linesOf(revealRecord()) ==
                   QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)};
        },
        20s))
        << linesOf(revealRecord()).join(", ").toStdString();
    EXPECT_EQ(beeps(), 0);
}

// The desktop's focus would go back to the window used last, here another application; the
// program gives it to the panel's target.
TEST_F(Export, ACancelledSaveBringsTheTargetBack) {
    RunningApp other(Toolkit::gtk, someShortcuts);
    ASSERT_TRUE(other.waitUntilReadable());
    ASSERT_TRUE(waitUntil([&] { return !windowOf(other.pid()).isEmpty(); }, 20s));
    ASSERT_TRUE(activate(target.pid()));
    start();
    ASSERT_EQ(panelStatus().value("targetPid").toInt(), target.pid());
    openMenuOf("Export", "Print…");
    ASSERT_TRUE(chooseFromMenu("Save as PDF…"));
    const QString title = "Save Cheat Sheet as PDF";
    QString dialog;
    ASSERT_TRUE(waitUntil([&] { return !(dialog = windowTitled(title)).isEmpty(); }, 20s));
    ASSERT_TRUE(waitUntil([&] { return activeWindowTitle() == title; }, 20s));

    // The dialog asks to be activated once more after it shows: ask until the other one is.
    ASSERT_TRUE(
        bringToFront(windowOf(other.pid()), [&] { return activeWindowPid() == other.pid(); }));
    ASSERT_TRUE(bringToFront(dialog, [&] { return activeWindowTitle() == title; }));
    runTool("xdotool", {"key", "Escape"});
    EXPECT_TRUE(waitUntil([&] { return windowTitled(title).isEmpty(); }, 20s));
    EXPECT_TRUE(waitUntil([&] { return activeWindowPid() == target.pid(); }, 20s))
        << "active: " << activeWindowTitle().toStdString();
    EXPECT_TRUE(linesOf(revealRecord()).isEmpty());
}

TEST_F(Export, SharingOffersTheDesktopsPDFApplicationsMailCopyAndTheFileManager) {
    start();
    openMenuOf("Export", "Print…");
    ASSERT_TRUE(chooseFromMenu("Share…"));
    ASSERT_TRUE(waitUntil([] { return openMenuTitles().value(0) == "Test Reader"; }, 20s))
        << openMenuTitles().join(", ").toStdString();
    const QStringList expected = QFileInfo::exists("/usr/bin/xdg-email")
                                     ? QStringList{"Email…", "Copy", "Show in Files"}
                                     : QStringList{"Copy", "Show in Files"};
    EXPECT_EQ(openMenuTitles().mid(openMenuTitles().size() - expected.size()), expected);
    EXPECT_TRUE(panelStatus().value("visible").toBool()) << "the panel stays open";
    screenshot("menu-share-desktop.png");

    ASSERT_TRUE(chooseFromMenu("Show in Files"));
    ASSERT_TRUE(waitUntil([&] { return linesOf(revealRecord()).size() == 1; }, 20s));
    const QString revealed = QUrl(linesOf(revealRecord()).front()).toLocalFile();
    EXPECT_TRUE(revealed.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/Holdsheet/"))
        << revealed.toStdString();
    EXPECT_TRUE(pdfInfo(revealed).contains("Keyboard Shortcuts"));

    // The reader opens the same file: its "opening" copies it.
    EXPECT_TRUE(panelStatus().value("visible").toBool()) << "no window came to the front";
    openMenuOf("Export", "Print…");
    ASSERT_TRUE(chooseFromMenu("Share…"));
    ASSERT_TRUE(chooseFromMenu("Test Reader"));
    EXPECT_TRUE(waitUntil([&] { return pdfInfo(opened()).contains("Pages:"); }, 20s));
}

TEST_F(Export, TheProgramMenuOpensTheSettingsAndQuits) {
    start();
    openMenuOf("Settings", "Settings");
    EXPECT_EQ(openMenuTitles(), (QStringList{"Settings", "Quit Holdsheet"}));
    screenshot("menu-program.png");

    // Escape closes the menu alone, and typing goes on into the search field.
    runTool("xdotool", {"key", "Escape"});
    ASSERT_TRUE(waitUntil([] { return openMenu().empty(); }, 20s));
    EXPECT_TRUE(panelStatus().value("visible").toBool());
    runTool("xdotool", {"type", "--delay", "20", "sav"});
    EXPECT_TRUE(waitUntil([] { return panelStatus().value("query").toString() == "sav"; }, 20s))
        << panelStatus().value("query").toString().toStdString();
    EXPECT_TRUE(panelStatus().value("visible").toBool());

    openMenuOf("Settings", "Settings");
    ASSERT_TRUE(chooseFromMenu("Settings"));
    EXPECT_TRUE(waitUntil(
        [] { return panelStatus().value("windows").toStringList() == QStringList{"settings"}; },
        20s));
    EXPECT_TRUE(panelCloses());

    ASSERT_TRUE(activate(target.pid()));
    showPanel();
    openMenuOf("Settings", "Settings");
    ASSERT_TRUE(chooseFromMenu(openMenuTitles().value(1)));
    EXPECT_TRUE(waitUntil([] { return panelStatus().isEmpty(); }, 20s)) << "still running";
    EXPECT_EQ(holdsheet->terminate(), std::optional<int>(0));
}

// Nothing to export: the one sound the program makes, and nothing else happens.
TEST_F(Export, AnEmptySheetOnlyBeeps) {
    RunningApp bare(Toolkit::gtk, {{0, "menu", "_File", "", ""}, {1, "item", "_Open", "", ""}});
    // Its menus have nothing to read: it is ready once its window is in front.
    ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == bare.pid(); }, 30s));
    start("showSystemShortcuts=false\n");
    ASSERT_EQ(panelStatus().value("itemCount").toInt(), 0);
    for (const QString item : {"Print…", "Save as PDF…", "Share…"}) {
        SCOPED_TRACE(item.toStdString());
        const int before = beeps();
        openMenuOf("Export", "Print…");
        ASSERT_TRUE(chooseFromMenu(item));
        EXPECT_TRUE(waitUntil([&] { return beeps() == before + 1; }, 20s));
        EXPECT_TRUE(panelStatus().value("visible").toBool());
        EXPECT_TRUE(openMenu().empty());
        EXPECT_TRUE(windowTitled("Print").isEmpty());
        EXPECT_TRUE(windowTitled("Save Cheat Sheet as PDF").isEmpty());
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
    const RemovedAtEnd queueSettings{"/etc/cups/cups-pdf-" + queue + ".conf"};
    RunningApp cups(QStringList{E2E_SOURCE_DIR "/fixtures/private-cups", server.filePath("srv"),
                                printed, queue});
    const QString socket = server.filePath("srv/cups.sock");
    ASSERT_TRUE(waitUntil(
        [&] {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            QProcess lpstat;
            environment.insert("CUPS_SERVER", socket);
            lpstat.setProcessEnvironment(environment);
            lpstat.start("lpstat", {"-d"});
            lpstat.waitForFinished(10000);
            return lpstat.readAllStandardOutput().contains(queue.toUtf8());
        },
        60s))
        << cups.errorOutput().toStdString();

    start({}, {{"CUPS_SERVER", socket}});
    openMenuOf("Export", "Print…");
    ASSERT_TRUE(chooseFromMenu("Print…"));
    EXPECT_TRUE(panelCloses());
    ASSERT_TRUE(waitUntil([] { return !windowTitled("Print").isEmpty(); }, 30s));
    ASSERT_TRUE(waitUntil([] { return activeWindowTitle() == "Print"; }, 20s));
    screenshot("print-dialog.png");
    runTool("xdotool", {"key", "Return"});
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
    EXPECT_TRUE(waitUntil([&] { return activeWindowPid() == target.pid(); }, 20s))
        << "the target comes back after printing";
    if (!file.isEmpty()) {
        runTool("pdftoppm", {"-png", "-r", "50", "-singlefile", file, artifacts + "/printed-page"});
    }
    EXPECT_EQ(cups.terminate(), std::optional<int>(0));
}

}  // namespace
}  // namespace holdsheet::e2e
