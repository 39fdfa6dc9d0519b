#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include <sys/types.h>

namespace holdsheet {

// The focused window as the compositor's tree describes it.
struct SwayWindow {
    qint64 id = 0;  // the container's id, for commands addressed to it
    pid_t pid = 0;
    QString appId;        // a Wayland client's; empty for an X11 one
    QString windowClass;  // an X11 client's (through Xwayland)
    QString title;
    bool fullscreen = false;
};

// The focused window of a GET_TREE reply; none when a workspace or nothing has focus, or the
// reply is not a tree.
std::optional<SwayWindow> focusedSwayWindow(const QByteArray& tree);

// The first window of process `pid` in a GET_TREE reply, the focused one if it is its.
std::optional<SwayWindow> swayWindowOfProcess(const QByteArray& tree, pid_t pid);

// The id of the window of process `pid` titled `title`, anywhere in a GET_TREE reply.
std::optional<qint64> swayWindowOf(const QByteArray& tree, pid_t pid, const QString& title);

// Whether every command of a RUN_COMMAND reply succeeded; the first error otherwise.
struct SwayCommandResult {
    bool ok = false;
    QString error;
};
SwayCommandResult swayCommandResult(const QByteArray& reply);

// A binding event: the command that ran and the key that ran it.
struct SwayBindingEvent {
    QString command;
    QString symbol;
};
std::optional<SwayBindingEvent> swayBindingEvent(const QByteArray& event);

// A window event: its change ("focus", "close", "fullscreen_mode", ...) and the window.
struct SwayWindowEvent {
    QString change;
    std::optional<SwayWindow> window;
};
SwayWindowEvent swayWindowEvent(const QByteArray& event);

// The change a workspace or window event reports ("focus", "reload", "close", ...).
QString swayEventChange(const QByteArray& event);

// The text of the loaded configuration from a GET_CONFIG reply.
QString swayConfigText(const QByteArray& reply);

// One bindsym line of a configuration: its flags, its key combination and its command.
struct SwayConfigBinding {
    QStringList flags;  // "--release", "--locked", ...
    QString combo;      // with $variables expanded: "Mod4+Return"
    QString command;
};
// The bindsym lines of the configuration's default mode, in order, with `set $name value`
// variables expanded. Lines inside another mode's block are skipped.
std::vector<SwayConfigBinding> swayConfigBindings(const QString& config);

}  // namespace holdsheet
