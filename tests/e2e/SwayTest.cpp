// The program on sway, driven as a user would: keys through wtype, the pointer through the
// compositor's seat. Runs inside scripts/sway-session.
#include "E2eSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace holdsheet::e2e {
namespace {

void wtype(const QStringList& arguments) {
    QProcess process;
    process.start("wtype", arguments);
    ASSERT_TRUE(process.waitForFinished(30000)) << arguments.join(' ').toStdString();
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}

// The key held alone for `ms`, pressed and released as a keyboard does: key, then modifier.
void hold(const QString& key, const QString& modifier, int ms) {
    wtype({"-P", key, "-M", modifier, "-s", QString::number(ms), "-p", key, "-m", modifier});
}

QString swaymsg(const QStringList& arguments) {
    return runTool("swaymsg", arguments);
}

// The windows of the compositor's tree, depth first.
void collectWindows(const QJsonObject& node, std::vector<QJsonObject>& windows) {
    if (node.value("pid").toInt() > 0) {
        windows.push_back(node);
    }
    for (const char* key : {"nodes", "floating_nodes"}) {
        for (const auto child : node.value(key).toArray()) {
            collectWindows(child.toObject(), windows);
        }
    }
}

std::vector<QJsonObject> windows() {
    std::vector<QJsonObject> all;
    collectWindows(QJsonDocument::fromJson(swaymsg({"-t", "get_tree"}).toUtf8()).object(), all);
    return all;
}

QJsonObject focusedWindow() {
    for (const auto& window : windows()) {
        if (window.value("focused").toBool()) {
            return window;
        }
    }
    return {};
}

// A picture of the whole output, saved in build/artifacts for a person to look at.
void screenshotOfOutput(const QString& file) {
    const QString folder = QStringLiteral(HOLDSHEET_ARTIFACTS);
    QDir().mkpath(folder);
    const QString path = folder + "/" + file;
    QFile::remove(path);  // an old picture is no proof of a new one
    runTool("grim", {path});
    EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
}

bool panelShows() {
    const QVariantMap status = panelStatus();
    return status.value("visible").toBool() && !status.value("loading").toBool() &&
           status.value("itemCount").toInt() > 0;
}

bool panelFocused() {
    const QJsonObject window = focusedWindow();
    return window.value("app_id").toString() == "org.holdsheet.Holdsheet" &&
           window.value("name").toString() == "Holdsheet panel";
}

// A click of the left button at a point of the screen.
void clickAt(QPoint point) {
    const QJsonObject layout = QJsonDocument::fromJson(swaymsg({"-t", "get_tree"}).toUtf8())
                                   .object()
                                   .value("rect")
                                   .toObject();
    QProcess click;
    click.start(WAYLAND_POINTER, {QString::number(point.x()), QString::number(point.y()),
                                  QString::number(layout.value("width").toInt()),
                                  QString::number(layout.value("height").toInt())});
    ASSERT_TRUE(click.waitForFinished(30000));
    ASSERT_EQ(click.exitCode(), 0) << click.readAllStandardError().toStdString();
}

// Mousepad, a native Wayland client, in front, and holdsheet over it.
class OnSway : public ::testing::Test {
  protected:
    void start(const QByteArray& settings = {}) {
        ASSERT_TRUE(config.isValid());
        ASSERT_TRUE(editor.waitUntilReadable());
        holdsheet.emplace(QStringList{HOLDSHEET_BINARY},
                          withConfigFile(config.path(), "Holdsheet/Holdsheet.conf",
                                         "[General]\nhasOnboarded=true\n" + settings));
        ASSERT_TRUE(holdsheetAnswers()) << "holdsheet never answered";
        for (const auto& window : windows()) {
            if (window.value("pid").toInt() == editor.pid()) {
                swaymsg({QStringLiteral("[con_id=%1] focus").arg(window.value("id").toInt())});
            }
        }
        ASSERT_TRUE(waitUntil(
            [this] { return focusedWindow().value("pid").toInt() == editor.pid(); }, 20s));
    }
    void openByHold() {
        hold("Super_L", "logo", 2500);
        ASSERT_TRUE(waitUntil(panelShows, 20s)) << "no panel after a hold";
        ASSERT_TRUE(waitUntil(panelFocused, 20s)) << "the panel is not the focused window";
    }

    // A click on the panel's row of this title, where the panel, focused, shows it.
    void clickRow(const QString& title) {
        std::optional<Accessible> row;
        ASSERT_TRUE(waitUntil(
            [&] { return (row = findAccessible(holdsheet->pid(), title)).has_value(); }, 20s))
            << title.toStdString();
        // A Wayland client does not know where its window is: its accessible frames are the
        // window's, placed on the screen by the compositor.
        const QJsonObject panel = focusedWindow().value("rect").toObject();
        clickAt(row->frame.center() + QPoint(panel.value("x").toInt(), panel.value("y").toInt()));
    }

    QTemporaryDir config;
    // Started first, so that clients have bound their pointer by the time a test clicks.
    RunningApp pointer{QStringList{WAYLAND_POINTER}};
    RunningApp editor{QStringList{"mousepad"}};
    std::optional<RunningApp> holdsheet;
};

TEST_F(OnSway, AHoldOpensThePanelFloatingAndFocusedWithTheEditorsItemsAndItStays) {
    start();
    openByHold();
    const QJsonObject panel = focusedWindow();
    EXPECT_EQ(panel.value("type").toString(), "floating_con");
    const QVariantMap status = panelStatus();
    EXPECT_EQ(status.value("targetPid").toInt(), editor.pid());
    // Named by its launcher entry, as on X11, though its application id is only "mousepad".
    EXPECT_EQ(status.value("targetName").toString(), "Mousepad");
    EXPECT_GT(status.value("itemCount").toInt(), 20);
    // Typing reaches the panel's search after the release, and the panel is still there.
    wtype({"wind"});
    ASSERT_TRUE(waitUntil([] { return panelStatus().value("query").toString() == "wind"; }, 20s));
    EXPECT_TRUE(panelStatus().value("visible").toBool());
    const int rect = panel.value("rect").toObject().value("y").toInt();
    EXPECT_GE(rect, 0) << "the panel lies on the screen";
    screenshotOfOutput("sway-panel.png");
}

TEST_F(OnSway, ATapOrEscapeClosesIt) {
    start();
    openByHold();
    hold("Super_L", "logo", 50);
    EXPECT_TRUE(waitUntil([] { return !panelStatus().value("visible").toBool(); }, 20s));
    openByHold();
    wtype({"-k", "Escape"});
    EXPECT_TRUE(waitUntil([] { return !panelStatus().value("visible").toBool(); }, 20s));
    EXPECT_TRUE(
        waitUntil([this] { return focusedWindow().value("pid").toInt() == editor.pid(); }, 20s))
        << "the editor has the keyboard again";
}

TEST_F(OnSway, OverAFullscreenEditorItShowsAndTheEditorIsFullscreenAgainAfterwards) {
    start();
    const auto editorWindow = [this] {
        for (const auto& window : windows()) {
            if (window.value("pid").toInt() == editor.pid()) {
                return window;
            }
        }
        return QJsonObject();
    };
    swaymsg(
        {QStringLiteral("[con_id=%1] fullscreen enable").arg(editorWindow().value("id").toInt())});
    ASSERT_TRUE(
        waitUntil([&] { return editorWindow().value("fullscreen_mode").toInt() == 1; }, 20s));
    openByHold();
    wtype({"-k", "Escape"});
    EXPECT_TRUE(waitUntil(
        [&] {
            const QJsonObject window = editorWindow();
            return window.value("focused").toBool() && window.value("fullscreen_mode").toInt() == 1;
        },
        20s))
        << "the editor is not fullscreen and focused again";
}

TEST_F(OnSway, AShortcutHeldLongNeverOpensIt) {
    start();
    wtype({"-P", "Super_L", "-M", "logo", "-s", "300", "-k", "j", "-s", "3000", "-p", "Super_L",
           "-m", "logo"});
    // The hold that follows opens it: the chord's end was seen, and nothing opened meanwhile.
    EXPECT_FALSE(panelStatus().value("visible").toBool());
    openByHold();
}

TEST_F(OnSway, WithTheShortestDelayAShortcutStillNeverOpensIt) {
    start("holdLevel=0\n");  // half a second: less than the first key repeat may take
    wtype({"-P", "Super_L", "-M", "logo", "-s", "300", "-k", "j", "-s", "1500", "-p", "Super_L",
           "-m", "logo"});
    EXPECT_FALSE(panelStatus().value("visible").toBool());
    hold("Super_L", "logo", 1500);
    EXPECT_TRUE(waitUntil(panelShows, 20s));
}

TEST_F(OnSway, ControlCanBeTheHoldKey) {
    start("holdKey=control\n");
    hold("Control_L", "ctrl", 2500);
    ASSERT_TRUE(waitUntil(panelShows, 20s));
    wtype({"-k", "Escape"});
    ASSERT_TRUE(waitUntil([] { return !panelStatus().value("visible").toBool(); }, 20s));
    // Super is now an ordinary key.
    hold("Super_L", "logo", 2500);
    hold("Control_L", "ctrl", 50);  // a tap: a panel opened by Super would stay open
    EXPECT_FALSE(panelStatus().value("visible").toBool());
}

TEST_F(OnSway, AClickOnARowRunsItsCommand) {
    start();
    const auto editorWindows = [this] {
        int count = 0;
        for (const auto& window : windows()) {
            count += window.value("pid").toInt() == editor.pid();
        }
        return count;
    };
    ASSERT_EQ(editorWindows(), 1);
    openByHold();
    clickRow("New Window");
    EXPECT_TRUE(waitUntil([&] { return editorWindows() == 2; }, 20s)) << "no second window";
}

TEST_F(OnSway, AClickOnARowOfTheDesktopGroupPostsItsKeys) {
    start();
    const QString ran = QDir::home().filePath("desktop-row-ran");
    QFile::remove(ran);
    openByHold();
    clickRow("touch");  // the session's Super+Shift+T: exec touch ~/desktop-row-ran
    EXPECT_TRUE(waitUntil([&] { return QFileInfo::exists(ran); }, 20s)) << "no keys posted";
}

TEST_F(OnSway, AClickElsewhereClosesIt) {
    start();
    openByHold();
    const QJsonObject panel = focusedWindow().value("rect").toObject();
    const int below = panel.value("y").toInt() + panel.value("height").toInt() + 20;
    clickAt({panel.value("x").toInt() + 20, below});  // on the editor, under the panel
    EXPECT_TRUE(waitUntil([] { return !panelStatus().value("visible").toBool(); }, 20s));
}

TEST_F(OnSway, ASecondLaunchBringsTheSettingsWindowToTheFront) {
    start();
    const auto run = runHoldsheet({});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(waitUntil(
        [] {
            const QJsonObject window = focusedWindow();
            return window.value("app_id").toString() == "org.holdsheet.Holdsheet" &&
                   window.value("name").toString() == "Holdsheet Settings";
        },
        20s));
}

TEST(Sway, DumpReadsAnApplicationByItsProcess) {
    RunningApp editor{QStringList{"mousepad"}};
    ASSERT_TRUE(editor.waitUntilReadable());
    const auto run = runHoldsheet({"dump", "--pid", QString::number(editor.pid())});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("New Window")) << run.out.toStdString();
    // The desktop group: the bindings of the session's own configuration.
    EXPECT_TRUE(run.out.contains("foot")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("Workspace number 1")) << run.out.toStdString();
    // Without --pid, the application in front: the editor, focused as it maps.
    ASSERT_TRUE(
        waitUntil([&] { return focusedWindow().value("pid").toInt() == editor.pid(); }, 20s));
    const auto front = runHoldsheet({"dump", "--format", "json"});
    EXPECT_EQ(front.exitCode, 0) << front.err.toStdString();
    EXPECT_EQ(parseJson(front.out).value("application").toObject().value("pid").toInt(),
              editor.pid())
        << front.out.toStdString();
}

TEST(Sway, AWaylandDesktopWithoutItsSocketIsNotServedAndSaysHowToRunIt) {
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.remove("SWAYSOCK");
    const auto run = runHoldsheet({}, environment);
    EXPECT_EQ(run.exitCode, 16);
    EXPECT_TRUE(run.err.contains("env -u WAYLAND_DISPLAY holdsheet")) << run.err.toStdString();
}

}  // namespace
}  // namespace holdsheet::e2e
