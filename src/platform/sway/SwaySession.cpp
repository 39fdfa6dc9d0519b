#include "platform/sway/SwaySession.h"

#include "platform/sway/SwayHotKeys.h"
#include "prefs/Preferences.h"

#include <QCoreApplication>
#include <QWidget>

#include <unistd.h>

namespace holdsheet {

void SwayWindowRaiser::bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    const auto tree = ipc_.request(sway::getTree, {});
    const auto id = tree ? swayWindowOf(*tree, getpid(), window.windowTitle()) : std::nullopt;
    if (id) {
        ipc_.request(sway::runCommand, QStringLiteral("[con_id=%1] focus").arg(*id).toUtf8());
    }
}

SwaySession::SwaySession(QByteArray socketPath, std::shared_ptr<SwayConnection> commands,
                         const DesktopEntryIndex& entries, OwnWindows own)
    : socketPath_(std::move(socketPath)),
      commands_(std::move(commands)),
      workspace_(*commands_, entries),
      monitors_(std::move(own.panelHoldsKeyboard)),
      raiser_(*commands_),
      placement_([ipc = commands_](QPoint at) {
          ipc->request(sway::runCommand, QStringLiteral("%1 move absolute position %2 %3")
                                             .arg(panelCriteria())
                                             .arg(at.x())
                                             .arg(at.y())
                                             .toUtf8());
      }) {
    if (QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(&placement_);
    }
}

QString SwaySession::panelCriteria() {
    return QStringLiteral("[app_id=\"^%1$\" title=\"^%2$\"]")
        .arg(QString(panelAppId).replace('.', "\\."), panelTitle);
}

std::unique_ptr<SystemHotKeys> SwaySession::desktopHotKeys() {
    return std::make_unique<SwayHotKeys>(socketPath_);
}

SwaySession::~SwaySession() {
    events_.reset();
    holdKeys_.reset();  // unbinds
}

QString SwaySession::start(PreferenceStore& store, Scheduler& scheduler) {
    store_ = &store;
    holdKeys_ = std::make_unique<SwayHoldKeys>(
        *commands_, scheduler,
        [this](SwayHoldKeys::Change change) {
            if (holdKey_) {
                monitors_.holdKeyChanged(change, *holdKey_);
            }
        },
        [prefs = &store] { return Preferences(*prefs).holdDelay(); });
    holdKeys_->onRebound([this](SwayHoldKeys::Bound bound) {
        if (const QString trouble = swayHoldKeyTrouble(bound, *holdKey_, holdKeys_->takenBy());
            !trouble.isEmpty()) {
            qWarning("%s", qPrintable(trouble));
        }
    });
    events_ = SwayEvents::subscribe(
        socketPath_, {"binding", "workspace", "window"},
        [this](const SwayMessage& message) { event(message); },
        [] { qWarning("holdsheet: sway's IPC stream ended; the hold key no longer works"); });
    addPanelRule();
    if (const auto focused = workspace_.focusedWindow()) {
        fullscreen_.setFocused(*focused);
    }
    preferences_ = store.observe([this] {
        if (const QString trouble = followHoldKey(); !trouble.isEmpty()) {
            qWarning("%s", qPrintable(trouble));
        }
    });
    if (!events_) {
        return QStringLiteral(
            "holdsheet: sway's IPC refused the event subscription; the hold key "
            "does not work, 'holdsheet show' does");
    }
    return followHoldKey();
}

QString SwaySession::followHoldKey() {
    const HoldKey key = Preferences(*store_).holdKey();
    if (holdKey_ == key) {
        return {};
    }
    holdKey_ = key;
    return swayHoldKeyTrouble(holdKeys_->bind(key), key, holdKeys_->takenBy());
}

void SwaySession::addPanelRule() {
    commands_->request(
        sway::runCommand,
        (QStringLiteral("for_window ") + panelCriteria() +
         " \"floating enable, sticky enable, border none, move position center, focus\"")
            .toUtf8());
}

void SwaySession::event(const SwayMessage& message) {
    if (message.type == sway::windowEvent) {
        const SwayWindowEvent window = swayWindowEvent(message.payload);
        if (window.change == "focus" && window.window) {
            const bool own = window.window->pid == getpid();
            if (!own && std::exchange(ownWindowFocused_, false)) {
                monitors_.focusTakenElsewhere();
            }
            ownWindowFocused_ = own;
        }
        const QString restore = fullscreen_.windowEvent(window, getpid());
        if (!restore.isEmpty()) {
            commands_->request(sway::runCommand, restore.toUtf8());
        }
        workspace_.windowEvent(window);
        return;
    }
    if (message.type == sway::workspaceEvent && swayEventChange(message.payload) == "reload") {
        addPanelRule();  // a reload drops the rules made at run time
    }
    if (holdKeys_) {
        holdKeys_->event(message);
    }
}

SwaySessionReaders::SwaySessionReaders(QByteArray socketPath, const DesktopEntryIndex& entries)
    : socketPath_(std::move(socketPath)), connection_(SwayConnection::open(socketPath_)) {
    if (connection_) {
        workspace_.emplace(*connection_, entries);
    }
}

std::optional<pid_t> SwaySessionReaders::frontmostProcess() {
    const auto front = workspace_ ? workspace_->frontmostApplication() : std::nullopt;
    return front ? std::optional(front->pid) : std::nullopt;
}

std::optional<RunningApplication> SwaySessionReaders::applicationOfProcess(pid_t pid) {
    return workspace_ ? workspace_->applicationOfProcess(pid) : std::nullopt;
}

std::unique_ptr<SystemHotKeys> SwaySessionReaders::desktopHotKeys() {
    return std::make_unique<SwayHotKeys>(socketPath_);
}

QString swayHoldKeyTrouble(SwayHoldKeys::Bound bound, HoldKey key, const QString& takenBy) {
    const QString name = swayHoldKeySymbols(key).join(" and ");
    switch (bound) {
        case SwayHoldKeys::Bound::ok:
            return {};
        case SwayHoldKeys::Bound::taken:
            return QStringLiteral(
                       "holdsheet: your sway configuration binds %1 (\"%2\"); Holdsheet leaves "
                       "it alone: choose another hold key, or open the sheet with 'holdsheet "
                       "show'")
                .arg(name, takenBy);
        case SwayHoldKeys::Bound::noRepeat:
            return QStringLiteral(
                "holdsheet: key repeat is off in sway, so a hold cannot be told from a "
                "shortcut; open the sheet with 'holdsheet show'");
        case SwayHoldKeys::Bound::failed:
            break;
    }
    return QStringLiteral(
               "holdsheet: sway did not take the bindings of %1; open the sheet with "
               "'holdsheet show'")
        .arg(name);
}

}  // namespace holdsheet
