#include "platform/freedesktop/AtspiBus.h"

#include "platform/freedesktop/PeerAddress.h"

#include <algorithm>
#include <cstring>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace holdsheet {

namespace {

constexpr int setupTimeoutMs = 1500;
const QString registryService = QStringLiteral("org.a11y.atspi.Registry");
const QString registryRoot = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString statusInterface = QStringLiteral("org.a11y.Status");

}  // namespace

QByteArray AtspiBus::currentAddress() {
    QByteArray fromEnvironment = qgetenv("AT_SPI_BUS_ADDRESS");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(call, QDBus::Block, setupTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return reply.arguments().first().toString().toUtf8();
}

namespace {

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

// The first argument of a successful reply, seen through one variant (a property's value),
// when its signature is `signature`.
bool firstArgument(const AtspiBus::Reply& reply, const char* signature, DBusMessageIter& value) {
    if (!reply.ok || !reply.message || !dbus_message_iter_init(reply.message.get(), &value)) {
        return false;
    }
    if (dbus_message_iter_get_arg_type(&value) == DBUS_TYPE_VARIANT) {
        DBusMessageIter inner;
        dbus_message_iter_recurse(&value, &inner);
        value = inner;
    }
    char* actual = dbus_message_iter_get_signature(&value);
    const bool matches = actual != nullptr && std::strcmp(actual, signature) == 0;
    dbus_free(actual);
    return matches;
}

// The raw bytes of a text or object path, and moves on; null for any other type.
const char* nextBytes(DBusMessageIter& iter) {
    const char* text = nullptr;
    const int type = dbus_message_iter_get_arg_type(&iter);
    if (type == DBUS_TYPE_STRING || type == DBUS_TYPE_OBJECT_PATH) {
        dbus_message_iter_get_basic(&iter, &text);
    }
    dbus_message_iter_next(&iter);
    return text;
}

// At most `maxBytes` of a UTF-8 text (libdbus has checked the encoding), cut before a
// character that would not fit whole.
QString cutText(const char* text, int maxBytes, bool& cut) {
    if (!text) {
        return {};
    }
    const std::size_t length = ::strnlen(text, std::size_t(maxBytes) + 1);
    if (length <= std::size_t(maxBytes)) {
        return QString::fromUtf8(text, qsizetype(length));
    }
    cut = true;
    std::size_t end = std::size_t(maxBytes);
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return QString::fromUtf8(text, qsizetype(end));
}

QString nextText(DBusMessageIter& iter, int maxBytes, bool& cut) {
    return cutText(nextBytes(iter), maxBytes, cut);
}

// A text that must be whole to mean anything (a bus name, a path): none when longer.
std::optional<QString> nextWhole(DBusMessageIter& iter, int maxBytes) {
    const char* text = nextBytes(iter);
    if (!text || ::strnlen(text, std::size_t(maxBytes) + 1) > std::size_t(maxBytes)) {
        return std::nullopt;
    }
    return QString::fromUtf8(text);
}

// An AT-SPI state set ("au", two 32-bit words, state n is bit n); none when empty.
std::optional<quint64> stateWords(DBusMessageIter& array) {
    DBusMessageIter word;
    dbus_message_iter_recurse(&array, &word);
    quint64 states = 0;
    int count = 0;
    while (dbus_message_iter_get_arg_type(&word) == DBUS_TYPE_UINT32) {
        dbus_uint32_t bits = 0;
        dbus_message_iter_get_basic(&word, &bits);
        if (count < 2) {
            states |= quint64{bits} << (32 * count);
        }
        ++count;
        dbus_message_iter_next(&word);
    }
    if (count == 0) {
        return std::nullopt;
    }
    return states;
}

}  // namespace

const QString AtspiBus::nullPath = QStringLiteral("/org/a11y/atspi/null");

AtspiBus::AtspiBus(std::unique_ptr<DBusPipe> pipe, QByteArray address,
                   std::optional<DBusPipe::Credentials> peerOwner)
    : address_(std::move(address)), peerOwner_(peerOwner), peer_(peerOwner.has_value()) {
    idle_.push_back(std::move(pipe));
}

std::unique_ptr<DBusPipe> AtspiBus::openPipe() const {
    auto pipe = DBusPipe::open(address_, !peer_);
    if (pipe && peerOwner_) {
        // The socket's file may have been swapped for someone else's since.
        const auto listener = pipe->peerCredentials();
        if (!listener || listener->pid != peerOwner_->pid || listener->uid != peerOwner_->uid) {
            return nullptr;
        }
    }
    return pipe;
}

std::unique_ptr<DBusPipe> AtspiBus::takePipe() {
    {
        const std::lock_guard lock(mutex_);
        if (!idle_.empty()) {
            auto pipe = std::move(idle_.back());
            idle_.pop_back();
            return pipe;
        }
    }
    return openPipe();
}

void AtspiBus::giveBack(std::unique_ptr<DBusPipe> pipe) {
    if (!pipe->connected()) {
        lost_ = true;
        return;
    }
    const std::lock_guard lock(mutex_);
    idle_.push_back(std::move(pipe));
}

bool AtspiBus::healthy() {
    {
        const std::lock_guard lock(mutex_);
        if (std::erase_if(idle_, [](auto& pipe) { return !pipe->connected(); }) > 0) {
            lost_ = true;
        }
    }
    return !lost_ && !stalled_;
}

AtspiBus::~AtspiBus() = default;

DBusMessagePtr AtspiBus::toMessage(const Call& call) const {
    const QByteArray service = call.service.toUtf8();
    const QByteArray path = call.path.toUtf8();
    const QByteArray interface = call.interface.toUtf8();
    const QByteArray method = call.method.toUtf8();
    // libdbus aborts on malformed names; paths and names from a reply are checked here.
    if (!dbus_validate_path(path.constData(), nullptr) ||
        (!peer_ && !dbus_validate_bus_name(service.constData(), nullptr))) {
        return nullptr;
    }
    DBusMessagePtr message(dbus_message_new_method_call(peer_ ? nullptr : service.constData(),
                                                        path.constData(), interface.constData(),
                                                        method.constData()));
    if (!message) {
        return nullptr;
    }
    dbus_message_set_auto_start(message.get(), FALSE);
    DBusMessageIter arguments;
    dbus_message_iter_init_append(message.get(), &arguments);
    for (const QVariant& argument : call.arguments) {
        bool appended = false;
        if (argument.metaType() == QMetaType::fromType<QString>()) {
            const QByteArray text = argument.toString().toUtf8();
            const char* data = text.constData();
            appended = dbus_message_iter_append_basic(&arguments, DBUS_TYPE_STRING, &data);
        } else if (argument.metaType() == QMetaType::fromType<int>()) {
            const dbus_int32_t number = argument.toInt();
            appended = dbus_message_iter_append_basic(&arguments, DBUS_TYPE_INT32, &number);
        } else if (argument.metaType() == QMetaType::fromType<uint>()) {
            const dbus_uint32_t number = argument.toUInt();
            appended = dbus_message_iter_append_basic(&arguments, DBUS_TYPE_UINT32, &number);
        }
        if (!appended) {
            return nullptr;
        }
    }
    return message;
}

std::shared_ptr<AtspiBus> AtspiBus::openPeer(const QString& address,
                                             const DBusPipe::Credentials& owner) {
    const auto checked = peerSocketAddress(address.toUtf8());
    if (!checked) {
        return nullptr;
    }
    // Connecting sends nothing yet: the listener is known before a byte reaches it.
    auto pipe = DBusPipe::open(*checked, false);
    const auto listener = pipe ? pipe->peerCredentials() : std::nullopt;
    if (!listener || listener->pid != owner.pid || listener->uid != owner.uid) {
        return nullptr;
    }
    return std::shared_ptr<AtspiBus>(new AtspiBus(std::move(pipe), *checked, owner));
}

std::shared_ptr<AtspiBus> AtspiBus::adopt(std::unique_ptr<DBusPipe> pipe, QByteArray address) {
    // Each instance has connections of its own, shared with no other instance.
    return std::shared_ptr<AtspiBus>(
        new AtspiBus(std::move(pipe), std::move(address), std::nullopt));
}

bool AtspiBus::answers() {
    const auto replies = run({{QStringLiteral("org.freedesktop.DBus"),
                               QStringLiteral("/org/freedesktop/DBus"),
                               QStringLiteral("org.freedesktop.DBus"),
                               QStringLiteral("GetId"),
                               {}}},
                             setupTimeoutMs);
    stalled_ = !replies.front().ok;
    return replies.front().ok;
}

std::vector<AtspiBus::Reply> AtspiBus::run(const std::vector<Call>& calls, int timeoutMs) {
    std::vector<DBusMessagePtr> messages;
    messages.reserve(calls.size());
    for (const Call& call : calls) {
        messages.push_back(toMessage(call));
    }
    auto pipe = takePipe();
    if (!pipe) {
        return std::vector<Reply>(calls.size());
    }
    auto replies = pipe->run(messages, timeoutMs);
    giveBack(std::move(pipe));
    return replies;
}

void AtspiBus::send(const Call& call) {
    if (auto pipe = takePipe()) {
        pipe->send(toMessage(call));
        giveBack(std::move(pipe));
    }
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
    bool cut = false;
    return references(reply, cut);
}

std::vector<std::pair<QString, QString>> AtspiBus::references(const Reply& reply, bool& cut) {
    std::vector<std::pair<QString, QString>> result;
    DBusMessageIter array;
    if (!firstArgument(reply, "a(so)", array)) {
        return result;
    }
    DBusMessageIter entry;
    dbus_message_iter_recurse(&array, &entry);
    while (dbus_message_iter_get_arg_type(&entry) == DBUS_TYPE_STRUCT) {
        if (result.size() == std::size_t(referencesPerReply)) {
            cut = true;
            break;
        }
        DBusMessageIter field;
        dbus_message_iter_recurse(&entry, &field);
        auto name = nextWhole(field, nameBytes);
        auto path = nextWhole(field, pathBytes);
        if (name && path) {
            result.emplace_back(std::move(*name), std::move(*path));
        } else {
            cut = true;
        }
        dbus_message_iter_next(&entry);
    }
    return result;
}

std::optional<uint> AtspiBus::unsignedValue(const Reply& reply) {
    DBusMessageIter value;
    if (!firstArgument(reply, "u", value)) {
        return std::nullopt;
    }
    dbus_uint32_t number = 0;
    dbus_message_iter_get_basic(&value, &number);
    return number;
}

std::optional<QString> AtspiBus::textValue(const Reply& reply) {
    bool cut = false;
    return textValue(reply, textBytes, cut);
}

std::optional<QString> AtspiBus::textValue(const Reply& reply, int maxBytes, bool& cut) {
    DBusMessageIter value;
    if (!firstArgument(reply, "s", value)) {
        return std::nullopt;
    }
    return nextText(value, maxBytes, cut);
}

std::optional<quint64> AtspiBus::stateValue(const Reply& reply) {
    DBusMessageIter array;
    if (!firstArgument(reply, "au", array)) {
        return std::nullopt;
    }
    return stateWords(array);
}

std::optional<QSize> AtspiBus::extentSize(const Reply& reply) {
    DBusMessageIter box;
    if (!firstArgument(reply, "(iiii)", box)) {
        return std::nullopt;
    }
    DBusMessageIter field;
    dbus_message_iter_recurse(&box, &field);
    dbus_int32_t values[4] = {};
    for (auto& value : values) {
        dbus_message_iter_get_basic(&field, &value);
        dbus_message_iter_next(&field);
    }
    return QSize(values[2], values[3]);
}

std::vector<AtspiBus::CacheItem> AtspiBus::cacheItems(const Reply& reply, std::size_t maxItems,
                                                      bool& cut) {
    std::vector<CacheItem> items;
    DBusMessageIter array;
    // (self, application, parent, index in parent, child count, interfaces, name, role,
    // description, states)
    if (!firstArgument(reply, "a((so)(so)(so)iiassusau)", array)) {
        return items;
    }
    DBusMessageIter entry;
    dbus_message_iter_recurse(&array, &entry);
    while (dbus_message_iter_get_arg_type(&entry) == DBUS_TYPE_STRUCT) {
        if (items.size() == maxItems) {
            cut = true;
            break;
        }
        DBusMessageIter field;
        dbus_message_iter_recurse(&entry, &field);
        CacheItem item;
        DBusMessageIter self;
        dbus_message_iter_recurse(&field, &self);
        auto busName = nextWhole(self, nameBytes);
        auto path = nextWhole(self, pathBytes);
        if (!busName || !path) {
            cut = true;
            dbus_message_iter_next(&entry);
            continue;
        }
        item.busName = std::move(*busName);
        item.path = std::move(*path);
        // Past self, application, parent, index, child count and interfaces.
        for (int skipped = 0; skipped < 6; ++skipped) {
            dbus_message_iter_next(&field);
        }
        item.name = nextText(field, textBytes, item.nameCut);
        dbus_uint32_t role = 0;
        dbus_message_iter_get_basic(&field, &role);
        item.role = role;
        dbus_message_iter_next(&field);
        dbus_message_iter_next(&field);  // description
        item.states = stateWords(field).value_or(0);
        items.push_back(std::move(item));
        dbus_message_iter_next(&entry);
    }
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
