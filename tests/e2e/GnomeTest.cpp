// The program on a headless GNOME Shell with its extension, driven as a user would: keys and
// the pointer through mutter's remote desktop (the input tool of scripts/gnome-session).
#include "E2eSupport.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace holdsheet::e2e {
namespace {

const QString extensionName = QStringLiteral("org.holdsheet.ShellExtension");

void input(const QStringList& arguments) {
    QProcess tool;
    tool.start(qEnvironmentVariable("HOLDSHEET_GNOME_INPUT_TOOL"), arguments);
    ASSERT_TRUE(tool.waitForFinished(30000)) << arguments.join(' ').toStdString();
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
}

// The key held alone for `ms`.
void hold(const QString& key, int ms) {
    input({"hold", key, QString::number(ms)});
}

struct Focus {
    qint64 pid = 0;
    QString title;
};

// The focused window, as the extension tells anyone who asks.
Focus focus() {
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(extensionName, "/org/holdsheet/ShellExtension",
                                       extensionName, "GetFocus"),
        QDBus::Block, 5000);
    const QVariantList values = reply.arguments();
    return values.size() == 4 ? Focus{values[0].toLongLong(), values[3].toString()} : Focus{};
}

bool extensionOnBus() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(extensionName).value();
}

bool overviewActive() {
    QDBusMessage get = QDBusMessage::createMethodCall("org.gnome.Shell", "/org/gnome/Shell",
                                                      "org.freedesktop.DBus.Properties", "Get");
    get << QStringLiteral("org.gnome.Shell") << QStringLiteral("OverviewActive");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(get, QDBus::Block, 5000);
    return reply.arguments().value(0).value<QDBusVariant>().variant().toBool();
}

bool panelShows() {
    const QVariantMap status = panelStatus();
    return status.value("visible").toBool() && !status.value("loading").toBool() &&
           status.value("itemCount").toInt() > 0;
}

bool panelHidden() {
    return !panelStatus().value("visible").toBool();
}

// A picture of the screen, saved in build/artifacts for a person to look at.
void screenshotOfScreen(const QString& file) {
    const QString folder = QStringLiteral(HOLDSHEET_ARTIFACTS);
    QDir().mkpath(folder);
    const QString path = folder + "/" + file;
    QFile::remove(path);  // an old picture is no proof of a new one
    runTool("gnome-screenshot", {"-f", path});
    EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
}

// Mousepad, a native Wayland client, in front, and holdsheet over it.
class OnGnome : public ::testing::Test {
  protected:
    void SetUp() override {
        // What the program asks of the extension: where the panel goes, among others. A
        // Wayland client's accessible frames are its window's, placed by the shell there.
        calls.start("stdbuf", {"-oL", "dbus-monitor", "--session",
                               "type='method_call',interface='org.holdsheet.ShellExtension'"});
        ASSERT_TRUE(calls.waitForStarted());
    }
    void TearDown() override {
        calls.kill();
        calls.waitForFinished();
    }

    // `maximized`: the editor fills the screen, so that there is some of it beside the panel.
    void start(const QByteArray& settings = {}, bool maximized = false) {
        ASSERT_TRUE(config.isValid());
        const QString state = maximized ? "true" : "false";
        runTool("gsettings", {"set", "org.xfce.mousepad.state.window", "maximized", state});
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("GDK_BACKEND", "wayland");
        editor.emplace(QStringList{"mousepad"}, environment);
        ASSERT_TRUE(editor->waitUntilReadable());
        holdsheet.emplace(QStringList{HOLDSHEET_BINARY},
                          withConfigFile(config.path(), "Holdsheet/Holdsheet.conf",
                                         "[General]\nhasOnboarded=true\n" + settings));
        ASSERT_TRUE(holdsheetAnswers()) << "holdsheet never answered";
        ASSERT_TRUE(waitUntil([this] { return monitored().contains("member=SetHoldKey"); }, 20s))
            << "the extension was never told the hold key";
        ASSERT_TRUE(waitUntil([this] { return focus().pid == editor->pid(); }, 20s))
            << "the editor is not in front";
    }
    QString monitored() {
        calls.waitForReadyRead(0);
        seen += QString::fromUtf8(calls.readAllStandardOutput());
        return seen;
    }
    bool panelFocused() const {
        const Focus front = focus();
        return front.pid == holdsheet->pid() && front.title == "Holdsheet panel";
    }
    void openByHold() {
        hold("Super_L", 2500);
        ASSERT_TRUE(waitUntil(panelShows, 20s)) << "no panel after a hold";
        ASSERT_TRUE(waitUntil([this] { return panelFocused(); }, 20s))
            << "the panel is not the focused window";
    }
    // Where the program last asked the shell to put the panel.
    QPoint panelPlace() {
        static const QRegularExpression place(
            R"(member=PlacePanel\s+string "Holdsheet panel"\s+int32 (-?\d+)\s+int32 (-?\d+))");
        QPoint last(-1, -1);
        for (auto match = place.globalMatch(monitored()); match.hasNext();) {
            const auto found = match.next();
            last = {found.captured(1).toInt(), found.captured(2).toInt()};
        }
        return last;
    }
    // A click on the panel's element of this name, where the panel, focused, shows it.
    // Where the panel, focused, shows its element of this name on the screen. The panel
    // grows once its sheet is read, and is placed again: the place and the frame are taken
    // once a search for the element (a process of its own) saw no placing.
    QPoint onScreen(const QString& name) {
        std::optional<Accessible> element;
        QPoint place;
        const bool found = waitUntil(
            [&] {
                const int before = monitored().count("member=PlacePanel");
                place = panelPlace();
                element = findAccessible(holdsheet->pid(), name);
                return element && monitored().count("member=PlacePanel") == before;
            },
            20s);
        EXPECT_TRUE(found) << name.toStdString();
        return found ? element->frame.center() + place : QPoint(-1, -1);
    }
    // The pointer goes there first, then the button: the tool's click passes the corner on
    // its way, and the panel would see it leave and come back just before the press.
    static void clickAt(QPoint at) {
        input({"move", QString::number(at.x()), QString::number(at.y())});
        input({"button", "left", "down"});
        input({"button", "left", "up"});
    }

    QProcess calls;
    QString seen;
    QTemporaryDir config;
    std::optional<RunningApp> editor;
    std::optional<RunningApp> holdsheet;
};

TEST_F(OnGnome, AHoldOpensThePanelFocusedAboveTheEditorWithItsItemsAndNoOverview) {
    start();
    openByHold();
    EXPECT_FALSE(overviewActive()) << "the release of the long Super hold opened the overview";
    const QVariantMap status = panelStatus();
    EXPECT_EQ(status.value("targetPid").toInt(), editor->pid());
    EXPECT_GT(status.value("itemCount").toInt(), 20);
    const QPoint place = panelPlace();
    EXPECT_GE(place.y(), 0) << "the panel lies on the screen";
    // Typing reaches the panel's search after the release, and the panel is still there.
    input({"type", "wind"});
    ASSERT_TRUE(waitUntil([] { return panelStatus().value("query").toString() == "wind"; }, 20s));
    EXPECT_TRUE(panelStatus().value("visible").toBool());
    EXPECT_TRUE(panelFocused());
}

TEST_F(OnGnome, ATapOrEscapeClosesItAndTheEditorHasTheKeyboardAgain) {
    start();
    openByHold();
    hold("Super_L", 50);
    EXPECT_TRUE(waitUntil(panelHidden, 20s));
    // The tap was the panel's: the overview stays shut.
    EXPECT_FALSE(waitUntil(overviewActive, 3s)) << "a tap on the panel opened the overview";
    if (overviewActive()) {
        input({"tap", "Escape"});
        ASSERT_TRUE(waitUntil([] { return !overviewActive(); }, 20s));
    }
    ASSERT_TRUE(waitUntil([this] { return focus().pid == editor->pid(); }, 20s));
    openByHold();
    input({"tap", "Escape"});
    EXPECT_TRUE(waitUntil(panelHidden, 20s));
    EXPECT_TRUE(waitUntil([this] { return focus().pid == editor->pid(); }, 20s))
        << "the editor has the keyboard again";
    EXPECT_FALSE(overviewActive());
}

TEST_F(OnGnome, AShortcutHeldLongNeverOpensIt) {
    start();
    input({"press", "Super_L"});
    hold("j", 3000);
    input({"release", "Super_L"});
    EXPECT_FALSE(panelStatus().value("visible").toBool());
    // The hold that follows opens it: the chord's end was seen, and nothing opened meanwhile.
    openByHold();
}

TEST_F(OnGnome, ControlCanBeTheHoldKeyAndSuperIsTheShellsAgain) {
    start("holdKey=control\n");
    hold("Control_L", 2500);
    ASSERT_TRUE(waitUntil(panelShows, 20s));
    input({"tap", "Escape"});
    ASSERT_TRUE(waitUntil(panelHidden, 20s));
    hold("Super_L", 2500);
    EXPECT_TRUE(waitUntil(overviewActive, 20s)) << "a long Super hold is the shell's own";
    EXPECT_FALSE(panelStatus().value("visible").toBool());
    input({"tap", "Escape"});
    EXPECT_TRUE(waitUntil([] { return !overviewActive(); }, 20s));
}

TEST_F(OnGnome, AClickOnARowRunsItsCommand) {
    start();
    const QString first = focus().title;
    openByHold();
    const QPoint row = onScreen("New Window");
    screenshotOfScreen("gnome-panel.png");
    clickAt(row);
    // The new window takes the focus, under a title of its own.
    EXPECT_TRUE(waitUntil(
        [&] {
            const Focus front = focus();
            return front.pid == editor->pid() && front.title != first;
        },
        20s))
        << "no second window: " << focus().title.toStdString();
}

TEST_F(OnGnome, AClickElsewhereClosesIt) {
    start({}, true);
    openByHold();
    const auto window = findAccessible(holdsheet->pid(), "Holdsheet panel", true);
    ASSERT_TRUE(window);
    // Just under the panel: the editor.
    clickAt(onScreen("Holdsheet panel") + QPoint(0, window->frame.height() / 2 + 20));
    EXPECT_TRUE(waitUntil(panelHidden, 20s));
}

TEST(Gnome, DumpReadsAnApplicationByItsProcessAndTheOneInFront) {
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("GDK_BACKEND", "wayland");
    RunningApp editor{QStringList{"mousepad"}, environment};
    ASSERT_TRUE(editor.waitUntilReadable());
    const auto run = runHoldsheet({"dump", "--pid", QString::number(editor.pid())});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("New Window")) << run.out.toStdString();
    ASSERT_TRUE(waitUntil([&] { return focus().pid == editor.pid(); }, 20s));
    const auto front = runHoldsheet({"dump", "--format", "json"});
    EXPECT_EQ(front.exitCode, 0) << front.err.toStdString();
    EXPECT_EQ(parseJson(front.out).value("application").toObject().value("pid").toInt(),
              editor.pid())
        << front.out.toStdString();
}

// Run with the extension installed but off (HOLDSHEET_GNOME_EXTENSION=disabled).
TEST(GnomeWithoutExtension, TheProgramStartsShowWorksAndEnablingItBringsTheHoldKey) {
    ASSERT_FALSE(extensionOnBus()) << "run this group with the extension off";
    QTemporaryDir config;
    RunningApp editor{QStringList{"mousepad"}};
    ASSERT_TRUE(editor.waitUntilReadable());
    RunningApp holdsheet{QStringList{HOLDSHEET_BINARY},
                         withConfigFile(config.path(), "Holdsheet/Holdsheet.conf",
                                        "[General]\nhasOnboarded=true\n")};
    ASSERT_TRUE(holdsheetAnswers()) << "holdsheet never answered";
    EXPECT_TRUE(holdsheet.errorOutput().contains("extension is off"))
        << holdsheet.errorOutput().toStdString();
    const auto show = runHoldsheet({"show"});
    EXPECT_EQ(show.exitCode, 0) << show.err.toStdString();
    EXPECT_TRUE(waitUntil([] { return panelStatus().value("visible").toBool(); }, 20s));
    // The application in front, as the accessibility bus tells it without the extension.
    EXPECT_EQ(panelStatus().value("targetPid").toInt(), editor.pid());
    // The panel says why the key does nothing, naming the form this shell (43) loads.
    EXPECT_EQ(panelStatus().value("extensionNotice").toString(),
              "The hold key needs the Shell extension holdsheet-legacy@holdsheet.org: turn it on "
              "in the Extensions app.");
    runHoldsheet({"hide"});
    ASSERT_TRUE(waitUntil(panelHidden, 20s));

    // Enabled at run time, as the welcome window says: the hold key works from then on.
    runTool("gnome-extensions", {"enable", "holdsheet-legacy@holdsheet.org"});
    ASSERT_TRUE(waitUntil(extensionOnBus, 30s));
    ASSERT_TRUE(waitUntil([&] { return focus().pid == editor.pid(); }, 20s));
    hold("Super_L", 2500);
    EXPECT_TRUE(waitUntil(panelShows, 20s)) << "no panel after a hold once it was enabled";
    EXPECT_EQ(panelStatus().value("extensionNotice").toString(), "") << "the notice stayed";
}

}  // namespace
}  // namespace holdsheet::e2e
