#include "E2eSupport.h"

#include "harvest/MenuBarReader.h"
#include "platform/freedesktop/AtspiAccessibility.h"
#include "platform/freedesktop/DBusControl.h"
#include "platform/x11/ActiveWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QUuid>

#include <gtest/gtest.h>

#include <csignal>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace holdsheet::e2e {

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

static QString sessionDirectory() {
    const QString root = qEnvironmentVariable("HOLDSHEET_SESSION_ROOT", QDir::tempPath());
    const QString path =
        root + QStringLiteral("/app-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QDir().mkpath(path);
    return path;
}

RunningApp::RunningApp(Toolkit toolkit, const std::vector<MenuLine>& menus,
                       const QStringList& options) {
    directory_ = sessionDirectory();
    const QString description = directory_ + "/menus.txt";
    recordPath_ = directory_ + "/record.txt";
    QByteArray text;
    for (const auto& line : menus) {
        text += QByteArray(line.depth * 2, ' ') + line.kind.c_str() + '\t' + line.label.c_str() +
                '\t' + line.gtkAccelerator.c_str() + '\t' + line.qtShortcut.c_str() + '\t' +
                (line.disabled ? "disabled " : "") + (line.hidden ? "hidden" : "") + '\n';
    }
    writeFile(description, text);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const char* program = GTK_FIXTURE;
    if (toolkit == Toolkit::qt) {
        program = QT_FIXTURE;
        environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    } else if (toolkit == Toolkit::gtk2) {
        // GTK 2 joins the accessibility bus only through these modules, which a desktop
        // session names for every application.
        program = GTK2_FIXTURE;
        environment.insert(QStringLiteral("GTK_MODULES"), QStringLiteral("gail:atk-bridge"));
    }
    start(
        QStringList{QString::fromLatin1(program)} + options + QStringList{description, recordPath_},
        environment);
}

RunningApp::RunningApp(const QStringList& command, const QProcessEnvironment& environment,
                       Outputs outputs) {
    directory_ = sessionDirectory();
    start(command, environment, outputs);
}

void RunningApp::start(const QStringList& command, const QProcessEnvironment& environment,
                       Outputs outputs) {
    std::vector<std::string> arguments, variables;
    for (const QString& argument : command) {
        arguments.push_back(argument.toStdString());
    }
    for (const QString& variable : environment.toStringList()) {
        variables.push_back(variable.toStdString());
    }
    // Standard error goes to a file of the app's own, for errorOutput(), unless told.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string errorPath = (directory_ + QStringLiteral("/stderr.txt")).toStdString();
    if (outputs.err >= 0) {
        posix_spawn_file_actions_adddup2(&actions, outputs.err, 2);
    } else {
        posix_spawn_file_actions_addopen(&actions, 2, errorPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
    }
    if (outputs.out >= 0) {
        posix_spawn_file_actions_adddup2(&actions, outputs.out, 1);
    }
    std::vector<char*> argv, envp;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    for (auto& variable : variables) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);
    if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
        pid_ = -1;
        ADD_FAILURE() << "cannot start " << arguments[0];
    }
    posix_spawn_file_actions_destroy(&actions);
}

RunningApp::~RunningApp() {
    if (pid_ > 0) {
        ::kill(pid_, SIGCONT);
        ::kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
}

bool RunningApp::waitUntilReadable(std::chrono::milliseconds limit) const {
    AtspiAccessibility ax;
    return waitUntil(
        [&] { return ax.hasApplication(pid_) && !MenuBarReader(ax).readMenus(pid_, true).empty(); },
        limit);
}

bool RunningApp::inFront(std::chrono::milliseconds limit) const {
    return waitUntil([&] { return activeWindowPid() == pid_; }, limit);
}

std::optional<int> RunningApp::terminate(std::chrono::milliseconds limit) {
    if (pid_ <= 0) {
        return std::nullopt;
    }
    ::kill(pid_, SIGTERM);
    return waitForExit(limit);
}

std::optional<int> RunningApp::waitForExit(std::chrono::milliseconds limit) {
    if (pid_ <= 0) {
        return std::nullopt;
    }
    int status = 0;
    rusage usage{};
    if (!waitUntil([&] { return wait4(pid_, &status, WNOHANG, &usage) == pid_; }, limit)) {
        return std::nullopt;
    }
    pid_ = -1;
    peakKiB_ = usage.ru_maxrss;
    return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
}

std::vector<std::string> RunningApp::recorded() const {
    std::vector<std::string> lines;
    for (const QString& line :
         QString::fromUtf8(readFile(recordPath_)).split('\n', Qt::SkipEmptyParts)) {
        lines.push_back(line.toStdString());
    }
    return lines;
}

QByteArray RunningApp::errorOutput() const {
    return readFile(directory_ + "/stderr.txt");
}

HoldsheetRun runHoldsheet(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    const auto started = std::chrono::steady_clock::now();
    process.start(QString::fromLatin1(HOLDSHEET_BINARY), arguments);
    HoldsheetRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "holdsheet did not finish: " << arguments.join(' ').toStdString();
        return run;
    }
    run.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QJsonObject dumpJson(qint64 pid, const QStringList& options,
                     const QProcessEnvironment& environment) {
    const HoldsheetRun run = runHoldsheet(
        QStringList{"dump", "--pid", QString::number(pid), "--format", "json"} + options,
        environment);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return parseJson(run.out);
}

std::vector<std::string> dumpGroups(qint64 pid, const QStringList& options,
                                    const QProcessEnvironment& environment) {
    return describeGroups(dumpJson(pid, options, environment));
}

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    EXPECT_EQ(file.write(content), content.size()) << path.toStdString();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QProcessEnvironment withConfigFile(const QString& folder, const QString& relativePath,
                                   const QByteArray& content) {
    writeFile(folder + QLatin1Char('/') + relativePath, content);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    return environment;
}

QProcessEnvironment withSettings(const QString& folder, const QByteArray& lines) {
    return withConfigFile(folder, "Holdsheet/Holdsheet.conf",
                          "[General]\nhasOnboarded=true\n" + lines);
}

bool nameOnBus(const QString& name) {
    return runTool("dbus-send",
                   {"--session", "--print-reply", "--dest=org.freedesktop.DBus",
                    "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:" + name})
        .contains("boolean true");
}

bool setAccessibilityEnabled(bool on) {
    return QProcess::execute("gdbus",
                             {"call", "--session", "--dest", "org.a11y.Bus", "--object-path",
                              "/org/a11y/bus", "--method", "org.freedesktop.DBus.Properties.Set",
                              "org.a11y.Status", "IsEnabled", on ? "<true>" : "<false>"}) == 0;
}

void screenshot(const QString& file, const QStringList& source) {
    const QString folder = QStringLiteral(HOLDSHEET_ARTIFACTS);
    QDir().mkpath(folder);
    const QString path = folder + "/" + file;
    QFile::remove(path);  // an old picture is no proof of a new one
    runTool("import", source + QStringList{path});
    EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
}

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

std::optional<Accessible> findAccessible(qint64 pid, const QString& name, bool exact) {
    QStringList arguments{QStringLiteral(E2E_SOURCE_DIR) + "/find-accessible.py",
                          QString::number(pid), name};
    if (exact) {
        arguments << QStringLiteral("exact");
    }
    const QStringList fields = runTool("/usr/bin/python3", arguments).split(' ');
    if (fields.size() != 5) {
        return std::nullopt;
    }
    return Accessible{
        QRect(fields[0].toInt(), fields[1].toInt(), fields[2].toInt(), fields[3].toInt()),
        fields[4] == "enabled"};
}

int countAccessibles(qint64 pid, const QString& name) {
    return runTool("/usr/bin/python3", {QStringLiteral(E2E_SOURCE_DIR) + "/find-accessible.py",
                                        QString::number(pid), name, QStringLiteral("count")})
        .toInt();
}

std::optional<Accessible> waitForAccessible(qint64 pid, const QString& name, bool exact,
                                            std::chrono::milliseconds limit) {
    return waitFor([&] { return findAccessible(pid, name, exact); }, limit);
}

bool clickAccessible(qint64 pid, const QString& name, bool exact, std::chrono::milliseconds limit) {
    const auto found = waitForAccessible(pid, name, exact, limit);
    if (found) {
        clickAt(found->frame.center());
    }
    return found.has_value();
}

void clickAt(const QPoint& point, int button) {
    xdotool({"mousemove", QString::number(point.x()), QString::number(point.y()), "click",
             QString::number(button)});
}

QVariantMap panelStatus() {
    QVariantMap map;
    DBusControl::call("Status", &map);
    return map;
}

static bool panelMapped() {
    return !xdotool({"search", "--onlyvisible", "--name", "Holdsheet panel"}).isEmpty();
}

QStringList openWindows() {
    return panelStatus().value("windows").toStringList();
}

bool sheetLoaded(std::chrono::milliseconds limit) {
    return waitUntil([] { return !panelStatus().value("loading").toBool(); }, limit);
}

bool panelOpens(std::chrono::milliseconds limit) {
    return waitUntil([] { return panelVisible() && panelMapped(); }, limit);
}

bool panelCloses(std::chrono::milliseconds limit) {
    return waitUntil([] { return !panelVisible() && !panelMapped(); }, limit);
}

// The daemon of this session's accessibility bus: the child of the bus launcher that shares
// our session bus (other sessions may run on the same machine).
pid_t accessibilityBusDaemon() {
    const QByteArray session = "DBUS_SESSION_BUS_ADDRESS=" + qgetenv("DBUS_SESSION_BUS_ADDRESS");
    for (const QString& pid :
         runTool("pgrep", {"-f", "at-spi-bus-launcher"}).split('\n', Qt::SkipEmptyParts)) {
        if (readFile("/proc/" + pid + "/environ").split('\0').contains(session)) {
            return runTool("pgrep", {"-P", pid, "dbus-daemon"}).split('\n').front().toInt();
        }
    }
    return -1;
}

QJsonObject parseJson(const QByteArray& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

std::vector<std::string> describeGroups(const QJsonObject& sheet) {
    std::vector<std::string> lines;
    for (const QJsonValue group : sheet["groups"].toArray()) {
        QStringList items;
        for (const QJsonValue item : group["items"].toArray()) {
            items << item["title"].toString() + ' ' + item["modifiers"].toString() +
                         item["key"].toString() + (item["enabled"].toBool() ? "" : " (disabled)");
        }
        lines.push_back(
            (group["title"].toString() + ':' + (items.isEmpty() ? "" : " ") + items.join(", "))
                .toStdString());
    }
    return lines;
}

QString xdotool(const QStringList& arguments) {
    return runTool(QStringLiteral("xdotool"), arguments);
}

bool panelVisible() {
    return panelStatus().value("visible").toBool();
}

bool holdsheetAnswers(std::chrono::milliseconds limit) {
    return waitUntil([] { return !panelStatus().isEmpty(); }, limit);
}

QString windowOf(qint64 pid, const QString& name) {
    QStringList arguments{"search", "--onlyvisible", "--pid", QString::number(pid)};
    if (!name.isEmpty()) {
        arguments << "--name" << name;
    }
    return xdotool(arguments).split('\n').value(0);
}

QString windowTitled(const QString& title) {
    return xdotool(
               {"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(title) + "$"})
        .split('\n')
        .value(0);
}

QString activeWindowTitle() {
    return xdotool({"getactivewindow", "getwindowname"});
}

bool activate(qint64 pid, std::chrono::milliseconds limit) {
    const QString window = windowOf(pid);
    if (window.isEmpty()) {
        return false;
    }
    xdotool({"windowactivate", "--sync", window});
    return waitUntil([&] { return activeWindowPid() == pid; }, limit);
}

void showPanel() {
    ASSERT_EQ(runHoldsheet({"show"}).exitCode, 0);
    ASSERT_TRUE(panelOpens());
    ASSERT_TRUE(sheetLoaded());
}

std::vector<MenuLine> oneMenu() {
    return {{0, "menu", "_File", "", ""}, {1, "item", "_Open", "<Primary>o", "Ctrl+O"}};
}

std::vector<MenuLine> twoMenus() {
    return {
        {0, "menu", "_File", "", ""},
        {1, "item", "_Open", "<Primary>o", "Ctrl+O"},
        {1, "item", "_Save", "<Primary>s", "Ctrl+S"},
        {0, "menu", "_Edit", "", ""},
        {1, "item", "_Copy", "<Primary>c", "Ctrl+C"},
    };
}

void OverOneMenuApp::SetUp() {
    ASSERT_TRUE(app.waitUntilReadable() && app.inFront());
    holdsheet.emplace(QStringList{HOLDSHEET_BINARY});
    ASSERT_TRUE(holdsheetAnswers()) << "holdsheet never answered";
}

void OverEditor::start(const QByteArray& settings) {
    ASSERT_TRUE(config.isValid());
    holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, withSettings(config.path(), settings));
    ASSERT_TRUE(editor.waitUntilReadable());
    ASSERT_TRUE(holdsheetAnswers()) << "holdsheet never answered";
    ASSERT_TRUE(activate(editor.pid()));
}

void OverEditor::TearDown() {
    xdotool({"keyup", "super", "ctrl", "shift", "alt"});
}

QString OverEditor::settingsFile() const {
    return QString::fromUtf8(readFile(config.filePath("Holdsheet/Holdsheet.conf")));
}

}  // namespace holdsheet::e2e

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
