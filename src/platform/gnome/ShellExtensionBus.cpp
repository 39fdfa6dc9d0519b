#include "platform/gnome/ShellExtensionBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace holdsheet {

namespace {

const QString shellService = QStringLiteral("org.gnome.Shell");
const QString shellPath = QStringLiteral("/org/gnome/Shell");
const QString extensionsInterface = QStringLiteral("org.gnome.Shell.Extensions");

}  // namespace

FocusedWindow focusedWindowOf(const QVariantList& arguments) {
    FocusedWindow window;
    if (arguments.size() >= 4) {
        window.pid = static_cast<pid_t>(arguments[0].toUInt());
        window.appId = arguments[1].toString();
        window.windowClass = arguments[2].toString();
        window.title = arguments[3].toString();
    }
    return window;
}

ShellExtensionBus::ShellExtensionBus(QDBusConnection bus, Listener listener)
    : bus_(std::move(bus)), listener_(std::move(listener)) {}

void ShellExtensionBus::connect() {
    bus_.connect(busName, objectPath, interface, QStringLiteral("HoldKey"), this,
                 SLOT(holdKeySignal(QString, uint)));
    bus_.connect(busName, objectPath, interface, QStringLiteral("FocusChanged"), this,
                 SLOT(focusChangedSignal(uint, QString, QString, QString)));
    bus_.connect(shellService, shellPath, extensionsInterface,
                 QStringLiteral("ExtensionStateChanged"), this,
                 SLOT(extensionStateChangedSignal(QString, QVariantMap)));
    watcher_.setConnection(bus_);
    watcher_.addWatchedService(busName);
    QObject::connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, this,
                     [this] { setPresent(true); });
    QObject::connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this,
                     [this] { setPresent(false); });

    QDBusMessage version = QDBusMessage::createMethodCall(
        shellService, shellPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    version << shellService << QStringLiteral("ShellVersion");
    const QDBusMessage versionReply = bus_.call(version, QDBus::Block, callTimeoutMs);
    const QString shellVersion =
        versionReply.arguments().value(0).value<QDBusVariant>().variant().toString();
    uuid_ = shellExtensionUuid(shellVersion);
    QDBusMessage info = QDBusMessage::createMethodCall(shellService, shellPath, extensionsInterface,
                                                       QStringLiteral("GetExtensionInfo"));
    info << uuid_;
    const QDBusMessage infoReply = bus_.call(info, QDBus::Block, callTimeoutMs);
    info_ = qdbus_cast<QVariantMap>(infoReply.arguments().value(0));
    const auto owned =
        bus_.interface() ? bus_.interface()->isServiceRegistered(busName) : QDBusReply<bool>();
    present_ = owned.isValid() && owned.value();
    state_ = stateOf(info_);
}

ShellExtensionState ShellExtensionBus::stateOf(const QVariantMap& info) const {
    // Serving now, whatever an older description said (or a shell of a version we
    // mistook).
    return present_ ? ShellExtensionState::active : shellExtensionState(info);
}

void ShellExtensionBus::setPresent(bool present) {
    if (present_ == present) {
        return;
    }
    present_ = present;
    setState(stateOf(info_));
    if (listener_.presence) {
        listener_.presence(present);
    }
}

void ShellExtensionBus::setState(ShellExtensionState state) {
    if (std::exchange(state_, state) != state && listener_.stateChanged) {
        listener_.stateChanged();
    }
}

void ShellExtensionBus::extensionStateChangedSignal(const QString& uuid, const QVariantMap& info) {
    if (uuid == uuid_) {
        info_ = info;
        setState(stateOf(info_));
    }
}

void ShellExtensionBus::holdKeySignal(const QString& event, uint timeMs) {
    (void)timeMs;  // the program times the hold itself, on its own clock
    if (listener_.holdKey) {
        listener_.holdKey(event);
    }
}

void ShellExtensionBus::focusChangedSignal(uint pid, const QString& appId,
                                           const QString& windowClass, const QString& title) {
    if (listener_.focusChanged) {
        listener_.focusChanged({static_cast<pid_t>(pid), appId, windowClass, title});
    }
}

QDBusMessage ShellExtensionBus::call(const QString& method, const QVariantList& arguments) const {
    QDBusMessage message = QDBusMessage::createMethodCall(busName, objectPath, interface, method);
    message.setArguments(arguments);
    return message;
}

void ShellExtensionBus::send(const QDBusMessage& message,
                             std::function<void(const QDBusMessage&)> answered) {
    auto* watcher =
        new QDBusPendingCallWatcher(bus_.asyncCall(message, callTimeoutMs), this);  // owned by this
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this,
                     [watcher, answered = std::move(answered)] {
                         watcher->deleteLater();
                         if (answered) {
                             answered(watcher->reply());
                         }
                     });
}

void ShellExtensionBus::setHoldKey(const QString& key) {
    send(call(QStringLiteral("SetHoldKey"), {key}), [key](const QDBusMessage& reply) {
        if (reply.type() == QDBusMessage::ErrorMessage) {
            qWarning("holdsheet: GNOME Shell's extension did not take the hold key '%s': %s",
                     qPrintable(key), qPrintable(reply.errorMessage()));
        }
    });
}

void ShellExtensionBus::setSuppressOverviewAfter(int ms) {
    send(call(QStringLiteral("SetSuppressOverviewAfter"), {ms}), {});
}

void ShellExtensionBus::placePanel(const QString& title, QPoint at,
                                   std::function<void(bool)> placed) {
    send(call(QStringLiteral("PlacePanel"), {title, at.x(), at.y()}),
         [placed = std::move(placed)](const QDBusMessage& reply) {
             placed(reply.type() == QDBusMessage::ReplyMessage &&
                    reply.arguments().value(0).toBool());
         });
}

void ShellExtensionBus::postKeys(const std::vector<quint32>& keysyms,
                                 std::function<void(bool)> done) {
    QList<uint> list(keysyms.begin(), keysyms.end());
    send(call(QStringLiteral("PostKeys"), {QVariant::fromValue(list)}),
         [done = std::move(done)](const QDBusMessage& reply) {
             done(reply.type() == QDBusMessage::ReplyMessage);
         });
}

void ShellExtensionBus::getFocus(std::function<void(std::optional<FocusedWindow>)> answer) {
    send(call(QStringLiteral("GetFocus"), {}),
         [answer = std::move(answer)](const QDBusMessage& reply) {
             answer(reply.type() == QDBusMessage::ReplyMessage
                        ? std::optional(focusedWindowOf(reply.arguments()))
                        : std::nullopt);
         });
}

}  // namespace holdsheet
