#pragma once

#include "platform/gnome/ShellExtensionCalls.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

#include <optional>

namespace holdsheet {

// The extension over the session bus, and what the shell says of it: its state
// (org.gnome.Shell.Extensions) and whether its name has an owner. Everything runs on the main
// thread; the only waits are the calls of connect(), each bounded by callTimeoutMs.
class ShellExtensionBus : public QObject, public ShellExtensionCalls {
    Q_OBJECT

  public:
    static constexpr int callTimeoutMs = 1000;

    struct Listener {
        std::function<void(const QString&)> holdKey;  // a HoldKey signal's event
        std::function<void(const FocusedWindow&)> focusChanged;
        std::function<void(bool)> presence;  // the extension's name gained or lost its owner
        std::function<void()> stateChanged;
    };

    // `bus` is the connection that owns the program's name: the extension serves no other.
    ShellExtensionBus(QDBusConnection bus, Listener listener);

    // Subscribes and asks the shell once for the extension's state.
    void connect();
    ShellExtensionState state() const { return state_; }
    bool present() const { return present_; }
    // The extension's UUID in the running shell's version.
    QString uuid() const { return uuid_; }
    // The focused window; none when the extension does not answer.
    void getFocus(std::function<void(std::optional<FocusedWindow>)> answer);

    void setHoldKey(const QString& key) override;
    void setSuppressOverviewAfter(int ms) override;
    void placePanel(const QString& title, QPoint at, std::function<void(bool)> placed) override;
    void postKeys(const std::vector<quint32>& keysyms, std::function<void(bool)> done) override;

  private slots:
    void holdKeySignal(const QString& event, uint timeMs);
    void focusChangedSignal(uint pid, const QString& appId, const QString& windowClass,
                            const QString& title);
    void extensionStateChangedSignal(const QString& uuid, const QVariantMap& info);

  private:
    QDBusMessage call(const QString& method, const QVariantList& arguments) const;
    // Sends `message`; `answered` gets the reply, or an error message.
    void send(const QDBusMessage& message, std::function<void(const QDBusMessage&)> answered);
    void setPresent(bool present);
    void setState(ShellExtensionState state);
    // The state the shell's description gives, unless the extension is plainly serving.
    ShellExtensionState stateOf(const QVariantMap& info) const;

    QDBusConnection bus_;
    Listener listener_;
    QDBusServiceWatcher watcher_;
    QString uuid_;
    QVariantMap info_;
    ShellExtensionState state_ = ShellExtensionState::missing;
    bool present_ = false;
};

// The focused window as the extension's GetFocus or FocusChanged give it.
FocusedWindow focusedWindowOf(const QVariantList& arguments);

}  // namespace holdsheet
