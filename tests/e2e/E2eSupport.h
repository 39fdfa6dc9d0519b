#pragma once

#include "fixtures/MenuDescription.h"

#include <QByteArray>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace holdsheet::e2e {

using namespace std::chrono_literals;

// Polls a condition every 20 ms until it holds or the limit passes.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit = 20s);

using Clock = std::chrono::steady_clock;
// Milliseconds from `start` to now, for a test's printed measures.
inline long long msSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Polls `find` until it finds something: that, or none once the limit passes.
template <typename Find>
auto waitFor(Find find, std::chrono::milliseconds limit = 20s) -> decltype(find()) {
    decltype(find()) found;
    waitUntil([&] { return (found = find()).has_value(); }, limit);
    return found;
}

// One line of a fixture's menu description.
using MenuLine = fixture::Entry;

// gtk2 is the GTK fixture built on GTK 2, with the bridge modules a desktop session loads.
enum class Toolkit { gtk, qt, gtk2 };

// Where a started program's standard output and error go: descriptors of the test's own,
// or (-1) the usual places: the test's own output, and a file for errorOutput().
struct Outputs {
    int out = -1;
    int err = -1;
};

// A running application, ended when this goes out of scope.
class RunningApp {
  public:
    // A fixture application of the toolkit building these menus; `options` go before its
    // arguments (the GTK fixtures take --menu-bar-in-tool-bar).
    RunningApp(Toolkit toolkit, const std::vector<MenuLine>& menus,
               const QStringList& options = {});
    explicit RunningApp(
        const QStringList& command,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
        Outputs outputs = {});
    ~RunningApp();
    RunningApp(const RunningApp&) = delete;
    RunningApp& operator=(const RunningApp&) = delete;

    pid_t pid() const { return pid_; }
    // Waits until the application's menus can be read through the accessibility bus.
    bool waitUntilReadable(std::chrono::milliseconds limit = 30s) const;
    // Waits until its window is the active one.
    bool inFront(std::chrono::milliseconds limit = 20s) const;
    // Sends SIGTERM and waits for the exit: its status, or none when it did not end.
    std::optional<int> terminate(std::chrono::milliseconds limit = 20s);
    // Waits for the application to end of its own accord: its status, or none when it did
    // not end in time or was ended by a signal.
    std::optional<int> waitForExit(std::chrono::milliseconds limit = 20s);
    // The peak resident memory of an application that ended, as the kernel counted it.
    long peakKiB() const { return peakKiB_; }
    // Labels the fixture recorded as activated, in order.
    std::vector<std::string> recorded() const;
    QByteArray errorOutput() const;

  private:
    void start(const QStringList& command, const QProcessEnvironment& environment,
               Outputs outputs = {});
    pid_t pid_ = -1;
    long peakKiB_ = 0;
    QString directory_;
    QString recordPath_;
};

struct HoldsheetRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    std::chrono::milliseconds elapsed{0};
};

// Runs the holdsheet binary and waits for it (at most 60 s).
HoldsheetRun runHoldsheet(
    const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

QJsonObject parseJson(const QByteArray& text);

// `holdsheet dump --pid PID --format json` with these options: the sheet, a failed run a
// failure of the test.
QJsonObject dumpJson(
    qint64 pid, const QStringList& options = {"--no-system"},
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
// The same dump's groups as describeGroups() gives them.
std::vector<std::string> dumpGroups(
    qint64 pid, const QStringList& options = {"--no-system"},
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Runs a tool (xdotool, import) and returns its trimmed standard output.
QString runTool(const QString& program, const QStringList& arguments);
QString xdotool(const QStringList& arguments);
void clickAt(const QPoint& point, int button = 1);

// A picture of the screen (or of what `source`, options of `import`, names), saved as `file`
// in build/artifacts for a person to look at. Fails the test when no picture was saved.
void screenshot(const QString& file, const QStringList& source = {"-window", "root"});

// The running holdsheet's answer to Status on the session bus; empty when none answers.
QVariantMap panelStatus();
bool panelVisible();
// The windows of its own it reports open ("settings", "tour", ...).
QStringList openWindows();
bool panelOpens(std::chrono::milliseconds limit = 20s);
bool panelCloses(std::chrono::milliseconds limit = 20s);
// Waits until the panel's sheet is read.
bool sheetLoaded(std::chrono::milliseconds limit = 20s);

// Writes a file, making its folder; a failure is the test's.
void writeFile(const QString& path, const QByteArray& content);
// A file's content, empty when it cannot be read.
QByteArray readFile(const QString& path);
// The session's environment with its configuration folder moved to `folder`, after writing
// `content` to `relativePath` inside it.
QProcessEnvironment withConfigFile(const QString& folder, const QString& relativePath,
                                   const QByteArray& content);
// The same with holdsheet's settings file, onboarded, holding these lines besides.
QProcessEnvironment withSettings(const QString& folder, const QByteArray& lines = {});

// The daemon of this session's accessibility bus, or -1.
pid_t accessibilityBusDaemon();

bool nameOnBus(const QString& name);

// Switches the desktop's accessibility support (org.a11y.Status IsEnabled); true when done.
bool setAccessibilityEnabled(bool on);

// A showing element of a process as a screen reader finds it on the accessibility bus.
struct Accessible {
    QRect frame;  // on the screen
    bool enabled = false;
};
// The first one whose accessible name starts with `name`, or is `name` when `exact`.
std::optional<Accessible> findAccessible(qint64 pid, const QString& name, bool exact = false);
std::optional<Accessible> waitForAccessible(qint64 pid, const QString& name, bool exact = false,
                                            std::chrono::milliseconds limit = 20s);
// How many elements of a process are named exactly `name`, showing or not.
int countAccessibles(qint64 pid, const QString& name);
// Waits for it to show, then clicks its centre with the pointer; false when it never showed.
bool clickAccessible(qint64 pid, const QString& name, bool exact = false,
                     std::chrono::milliseconds limit = 20s);

// "File: New ⌃N, Save As ⌃⇧S (disabled)" per group of a dumped sheet.
std::vector<std::string> describeGroups(const QJsonObject& sheet);

// Waits until a running holdsheet answers Status on the bus.
bool holdsheetAnswers(std::chrono::milliseconds limit = 30s);
// The first visible window of a process (with this name, when given); empty when none.
QString windowOf(qint64 pid, const QString& name = {});
// The visible window titled exactly `title`, or empty.
QString windowTitled(const QString& title);
QString activeWindowTitle();
// Raises the process's first visible window; true once it is the active one.
bool activate(qint64 pid, std::chrono::milliseconds limit = 20s);
// `holdsheet show`, then waits for the panel to open and its sheet to be read.
void showPanel();
// A File menu holding Open ⌃O: the least an application needs for a sheet.
std::vector<MenuLine> oneMenu();
// File with Open and Save, Edit with Copy.
std::vector<MenuLine> twoMenus();

// A GTK application of one menu in front, and holdsheet answering over it.
class OverOneMenuApp : public ::testing::Test {
  protected:
    void SetUp() override;

    RunningApp app{Toolkit::gtk, oneMenu()};
    std::optional<RunningApp> holdsheet;
};

// Mousepad in front, and holdsheet, onboarded, reading a settings file of the test's own.
// No key is left down after a test.
class OverEditor : public ::testing::Test {
  protected:
    // Starts holdsheet with these lines added to the settings.
    void start(const QByteArray& settings = {});
    void TearDown() override;
    QString settingsFile() const;

    QTemporaryDir config;
    RunningApp editor{QStringList{"mousepad"}};
    std::optional<RunningApp> holdsheet;
};

}  // namespace holdsheet::e2e
