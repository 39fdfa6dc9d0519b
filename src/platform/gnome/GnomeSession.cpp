#include "platform/gnome/GnomeSession.h"

#include "platform/freedesktop/AtspiActiveWindow.h"
#include "platform/freedesktop/GnomeHotKeys.h"
#include "platform/freedesktop/WindowApplication.h"
#include "prefs/Preferences.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QWidget>

#include <unistd.h>

namespace holdsheet {

void QtWindowRaiser::bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

GnomeSession::GnomeSession(const DesktopEntryIndex& entries, OwnWindows own)
    : workspace_(entries),
      monitors_(std::move(own.panelHoldsKeyboard)),
      extension_(QDBusConnection::sessionBus(),
                 {[this](const QString& event) { holdSource_.event(event); },
                  [this](const FocusedWindow& window) { focusChanged(window); },
                  [this](bool present) {
                      holdSource_.setPresent(present);
                      if (present) {
                          askFocus();
                      } else {
                          workspace_.extensionGone();
                      }
                  },
                  [this] {
                      if (stateChanged_) {
                          stateChanged_();
                      }
                  }}),
      holdSource_(extension_, [this](HeldKeyChange change,
                                     HoldKey key) { monitors_.holdKeyChanged(change, key); }),
      poster_(extension_) {}

GnomeSession::~GnomeSession() {
    if (placement_ && QCoreApplication::instance()) {
        QCoreApplication::instance()->removeEventFilter(placement_.get());
    }
    if (extension_.present()) {
        extension_.setHoldKey({});  // sent before the connection closes
    }
}

std::unique_ptr<SystemHotKeys> GnomeSession::desktopHotKeys() {
    return std::make_unique<GnomeHotKeys>();
}

QString GnomeSession::start(PreferenceStore& store, Scheduler& scheduler) {
    store_ = &store;
    placer_ = std::make_unique<PanelPlacer>(extension_, scheduler);
    // The extension also keeps it above and focuses it, which a Wayland client cannot.
    placement_ = std::make_unique<PanelPlacement>(
        [this](QPoint at) { placer_->place(PanelPlacement::panelTitle, at); });
    if (QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(placement_.get());
    }
    extension_.connect();
    followPreferences();
    holdSource_.setPresent(extension_.present());
    preferences_ = store.observe([this] { followPreferences(); });
    askFocus();
    return shellExtensionTrouble(extension_.state(), extension_.uuid());
}

void GnomeSession::followPreferences() {
    const Preferences preferences(*store_);
    holdSource_.follow(preferences.holdKey(), preferences.holdDelay());
}

void GnomeSession::askFocus() {
    extension_.getFocus([this](std::optional<FocusedWindow> window) {
        if (window) {
            focusChanged(*window);
        }
    });
}

void GnomeSession::focusChanged(const FocusedWindow& window) {
    const bool own = window.pid == getpid();
    if (!own && std::exchange(ownWindowFocused_, false)) {
        monitors_.focusTakenElsewhere();
    }
    ownWindowFocused_ = own;
    workspace_.focusChanged(window);
}

std::optional<FocusedWindow> GnomeSessionReaders::focus() const {
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(ShellExtensionCalls::busName,
                                       ShellExtensionCalls::objectPath,
                                       ShellExtensionCalls::interface, QStringLiteral("GetFocus")),
        QDBus::Block, ShellExtensionBus::callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return std::nullopt;
    }
    return focusedWindowOf(reply.arguments());
}

std::optional<pid_t> GnomeSessionReaders::frontmostProcess() {
    const auto window = focus();
    if (!window) {
        return accessibleActiveProcess(getpid(), ShellExtensionBus::callTimeoutMs);
    }
    return window->pid > 0 ? std::optional(window->pid) : std::nullopt;
}

std::optional<RunningApplication> GnomeSessionReaders::applicationOfProcess(pid_t pid) {
    // The shell tells of the focused window only: another process is named by its entry
    // or its executable.
    const auto window = focus();
    return window && window->pid == pid
               ? applicationOfWindow(pid, window->appId, window->windowClass, entries_)
               : applicationOfWindow(pid, {}, {}, entries_);
}

std::unique_ptr<SystemHotKeys> GnomeSessionReaders::desktopHotKeys() {
    return std::make_unique<GnomeHotKeys>();
}

QString shellExtensionTrouble(ShellExtensionState state, const QString& uuid) {
    switch (state) {
        case ShellExtensionState::disabled:
            return QStringLiteral(
                       "holdsheet: Holdsheet's GNOME Shell extension is off; the hold key does not "
                       "work until it is enabled (gnome-extensions enable %1), 'holdsheet show' "
                       "does")
                .arg(uuid);
        case ShellExtensionState::missing:
            return QStringLiteral(
                "holdsheet: GNOME Shell has not loaded Holdsheet's extension (a first "
                "install needs a new login); the hold key does not work, 'holdsheet show' "
                "does");
        case ShellExtensionState::active:
        case ShellExtensionState::notNeeded:
            break;
    }
    return {};
}

}  // namespace holdsheet
