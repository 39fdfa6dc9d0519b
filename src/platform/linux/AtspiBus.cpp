#include "platform/linux/AtspiBus.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QUuid>

namespace holdsheet {

namespace {

constexpr int setupTimeoutMs = 1500;
const QString registryService = QStringLiteral("org.a11y.atspi.Registry");
const QString registryRoot = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString statusInterface = QStringLiteral("org.a11y.Status");

QString accessibilityBusAddress() {
    const QByteArray fromEnvironment = qgetenv("AT_SPI_BUS_ADDRESS");
    if (!fromEnvironment.isEmpty()) {
        return QString::fromLocal8Bit(fromEnvironment);
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(call, QDBus::Block, setupTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return reply.arguments().first().toString();
}

QVariant unwrap(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        return qvariant_cast<QDBusVariant>(value).variant();
    }
    return value;
}

std::optional<bool> statusFlag(const QString& name) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call.setArguments({statusInterface, name});
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(call, QDBus::Block, setupTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    return unwrap(reply.arguments().first()).toBool();
}

}  // namespace

const QString AtspiBus::nullPath = QStringLiteral("/org/a11y/atspi/null");

AtspiBus::AtspiBus(QDBusConnection connection, QString name, bool peer)
    : connection_(std::move(connection)), name_(std::move(name)), peer_(peer) {}

AtspiBus::~AtspiBus() {
    connection_ = QDBusConnection(QString());
    if (peer_) {
        QDBusConnection::disconnectFromPeer(name_);
    } else {
        QDBusConnection::disconnectFromBus(name_);
    }
}

QDBusMessage AtspiBus::toMessage(const Call& call) const {
    QDBusMessage message = QDBusMessage::createMethodCall(peer_ ? QString() : call.service,
                                                          call.path, call.interface, call.method);
    message.setArguments(call.arguments);
    message.setAutoStartService(false);
    return message;
}

std::shared_ptr<AtspiBus> AtspiBus::openPeer(const QString& address) {
    const QString name =
        QStringLiteral("holdsheet-peer-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QDBusConnection connection = QDBusConnection::connectToPeer(address, name);
    if (!connection.isConnected()) {
        QDBusConnection::disconnectFromPeer(name);
        return nullptr;
    }
    return std::shared_ptr<AtspiBus>(new AtspiBus(connection, name, true));
}

std::shared_ptr<AtspiBus> AtspiBus::open() {
    const QString address = accessibilityBusAddress();
    if (address.isEmpty()) {
        return nullptr;
    }
    // Each instance gets a connection of its own, so two readers never share one.
    const QString name =
        QStringLiteral("holdsheet-a11y-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QDBusConnection connection = QDBusConnection::connectToBus(address, name);
    if (!connection.isConnected()) {
        QDBusConnection::disconnectFromBus(name);
        return nullptr;
    }
    return std::shared_ptr<AtspiBus>(new AtspiBus(connection, name, false));
}

bool AtspiBus::answers() {
    const auto replies = run({{QStringLiteral("org.freedesktop.DBus"),
                               QStringLiteral("/org/freedesktop/DBus"),
                               QStringLiteral("org.freedesktop.DBus"),
                               QStringLiteral("GetId"),
                               {}}},
                             setupTimeoutMs);
    return replies.front().ok;
}

std::vector<AtspiBus::Reply> AtspiBus::run(const std::vector<Call>& calls, int timeoutMs) {
    std::vector<QDBusPendingCall> pending;
    pending.reserve(calls.size());
    for (const Call& call : calls) {
        pending.push_back(connection_.asyncCall(toMessage(call), timeoutMs));
    }
    std::vector<Reply> replies(calls.size());
    for (std::size_t i = 0; i < pending.size(); ++i) {
        pending[i].waitForFinished();
        Reply& reply = replies[i];
        reply.message = pending[i].reply();
        reply.ok = reply.message.type() == QDBusMessage::ReplyMessage;
        const QDBusError::ErrorType error = pending[i].error().type();
        reply.timedOut = error == QDBusError::NoReply || error == QDBusError::Timeout ||
                         error == QDBusError::TimedOut;
    }
    return replies;
}

void AtspiBus::send(const Call& call) {
    connection_.send(toMessage(call));
}

QStringList AtspiBus::applicationsOf(pid_t pid) {
    const auto listed = run({{registryService,
                              registryRoot,
                              QStringLiteral("org.a11y.atspi.Accessible"),
                              QStringLiteral("GetChildren"),
                              {}}},
                            setupTimeoutMs);
    QStringList names;
    for (const auto& [name, path] : references(listed.front())) {
        if (!names.contains(name)) {
            names << name;
        }
    }
    std::vector<Call> calls;
    for (const QString& name : names) {
        calls.push_back({QStringLiteral("org.freedesktop.DBus"),
                         QStringLiteral("/org/freedesktop/DBus"),
                         QStringLiteral("org.freedesktop.DBus"),
                         QStringLiteral("GetConnectionUnixProcessID"),
                         {name}});
    }
    const auto pids = run(calls, setupTimeoutMs);
    QStringList matching;
    for (std::size_t i = 0; i < pids.size(); ++i) {
        if (unsignedValue(pids[i]) == static_cast<uint>(pid)) {
            matching << names[qsizetype(i)];
        }
    }
    return matching;
}

AtspiBus::Call AtspiBus::property(const QString& service, const QString& path,
                                  const QString& interface, const QString& name) {
    return {service,
            path,
            QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"),
            {interface, name}};
}

std::vector<std::pair<QString, QString>> AtspiBus::references(const Reply& reply) {
    std::vector<std::pair<QString, QString>> result;
    if (!reply.ok || reply.message.arguments().isEmpty()) {
        return result;
    }
    const QVariant value = reply.message.arguments().first();
    if (value.metaType() != QMetaType::fromType<QDBusArgument>()) {
        return result;
    }
    const QDBusArgument argument = qvariant_cast<QDBusArgument>(value);
    if (argument.currentSignature() != QLatin1String("a(so)")) {
        return result;
    }
    argument.beginArray();
    while (!argument.atEnd()) {
        QString name;
        QDBusObjectPath path;
        argument.beginStructure();
        argument >> name >> path;
        argument.endStructure();
        result.emplace_back(name, path.path());
    }
    argument.endArray();
    return result;
}

std::optional<uint> AtspiBus::unsignedValue(const Reply& reply) {
    if (!reply.ok || reply.message.arguments().isEmpty()) {
        return std::nullopt;
    }
    const QVariant value = unwrap(reply.message.arguments().first());
    if (value.metaType() != QMetaType::fromType<uint>()) {
        return std::nullopt;
    }
    return value.toUInt();
}

std::optional<QString> AtspiBus::textValue(const Reply& reply) {
    if (!reply.ok || reply.message.arguments().isEmpty()) {
        return std::nullopt;
    }
    const QVariant value = unwrap(reply.message.arguments().first());
    if (value.metaType() != QMetaType::fromType<QString>()) {
        return std::nullopt;
    }
    return value.toString();
}

std::optional<quint64> AtspiBus::stateValue(const Reply& reply) {
    if (!reply.ok || reply.message.arguments().isEmpty()) {
        return std::nullopt;
    }
    const QVariant value = reply.message.arguments().first();
    QList<uint> words;
    if (value.metaType() == QMetaType::fromType<QDBusArgument>()) {
        const QDBusArgument argument = qvariant_cast<QDBusArgument>(value);
        if (argument.currentSignature() != QLatin1String("au")) {
            return std::nullopt;
        }
        argument >> words;
    } else if (value.canConvert<QList<uint>>()) {
        words = value.value<QList<uint>>();
    }
    if (words.isEmpty()) {
        return std::nullopt;
    }
    quint64 states = words.at(0);
    if (words.size() > 1) {
        states |= quint64{words.at(1)} << 32;
    }
    return states;
}

std::optional<QSize> AtspiBus::extentSize(const Reply& reply) {
    if (!reply.ok || reply.message.arguments().isEmpty()) {
        return std::nullopt;
    }
    const QVariant value = reply.message.arguments().first();
    if (value.metaType() != QMetaType::fromType<QDBusArgument>()) {
        return std::nullopt;
    }
    const QDBusArgument argument = qvariant_cast<QDBusArgument>(value);
    if (argument.currentSignature() != QLatin1String("(iiii)")) {
        return std::nullopt;
    }
    int x = 0, y = 0, width = 0, height = 0;
    argument.beginStructure();
    argument >> x >> y >> width >> height;
    argument.endStructure();
    return QSize(width, height);
}

std::vector<AtspiBus::CacheItem> AtspiBus::cacheItems(const Reply& reply) {
    std::vector<CacheItem> items;
    if (!reply.ok || reply.message.arguments().isEmpty()) {
        return items;
    }
    const QVariant value = reply.message.arguments().first();
    if (value.metaType() != QMetaType::fromType<QDBusArgument>()) {
        return items;
    }
    const QDBusArgument argument = qvariant_cast<QDBusArgument>(value);
    // (self, application, parent, index in parent, child count, interfaces, name, role,
    // description, states)
    if (argument.currentSignature() != QLatin1String("a((so)(so)(so)iiassusau)")) {
        return items;
    }
    auto reference = [&argument](QString& name, QString& path) {
        QDBusObjectPath objectPath;
        argument.beginStructure();
        argument >> name >> objectPath;
        argument.endStructure();
        path = objectPath.path();
    };
    argument.beginArray();
    while (!argument.atEnd()) {
        CacheItem item;
        QString ignoredName, ignoredPath, description;
        int index = 0, childCount = 0;
        QStringList interfaces;
        QList<uint> words;
        argument.beginStructure();
        reference(item.busName, item.path);
        reference(ignoredName, ignoredPath);
        reference(ignoredName, ignoredPath);
        argument >> index >> childCount >> interfaces >> item.name >> item.role >> description;
        argument >> words;
        argument.endStructure();
        item.states = words.isEmpty() ? 0 : words.at(0);
        if (words.size() > 1) {
            item.states |= quint64{words.at(1)} << 32;
        }
        items.push_back(std::move(item));
    }
    argument.endArray();
    return items;
}

bool AtspiBus::accessibilityEnabled() {
    return statusFlag(QStringLiteral("IsEnabled")).value_or(false) ||
           statusFlag(QStringLiteral("ScreenReaderEnabled")).value_or(false);
}

void AtspiBus::enableAccessibility() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
    call.setArguments(
        {statusInterface, QStringLiteral("IsEnabled"), QVariant::fromValue(QDBusVariant(true))});
    QDBusConnection::sessionBus().call(call, QDBus::Block, setupTimeoutMs);
}

}  // namespace holdsheet
