#include "platform/freedesktop/DBusPipe.h"

#include <chrono>
#include <cstring>
#include <unordered_map>

#include <sys/socket.h>

namespace holdsheet {

namespace {

bool isTimeout(const char* errorName) {
    return errorName != nullptr && (std::strcmp(errorName, DBUS_ERROR_NO_REPLY) == 0 ||
                                    std::strcmp(errorName, DBUS_ERROR_TIMEOUT) == 0 ||
                                    std::strcmp(errorName, DBUS_ERROR_TIMED_OUT) == 0);
}

struct ErrorScope {
    ErrorScope() { dbus_error_init(&error); }
    ~ErrorScope() { dbus_error_free(&error); }
    ErrorScope(const ErrorScope&) = delete;
    ErrorScope& operator=(const ErrorScope&) = delete;
    DBusError error;
};

}  // namespace

void DBusPipe::ConnectionClose::operator()(DBusConnection* connection) const {
    dbus_connection_close(connection);
    dbus_connection_unref(connection);
}

std::unique_ptr<DBusPipe> DBusPipe::open(const QByteArray& address, bool bus,
                                         int handshakeTimeoutMs) {
    auto pipe = connect(address);
    if (!pipe || (bus && !pipe->hello(handshakeTimeoutMs))) {
        return nullptr;
    }
    return pipe;
}

std::unique_ptr<DBusPipe> DBusPipe::connect(const QByteArray& address) {
    dbus_threads_init_default();
    ErrorScope scope;
    // Connecting takes no lock of libdbus's for longer than the connect() itself, which a
    // stalled daemon's kernel queue still accepts.
    ConnectionPtr connection(dbus_connection_open_private(address.constData(), &scope.error));
    if (!connection) {
        return nullptr;
    }
    // A lost bus is a failed read here, never a reason to end the program.
    dbus_connection_set_exit_on_disconnect(connection.get(), FALSE);
    return std::unique_ptr<DBusPipe>(new DBusPipe(std::move(connection)));
}

DBusPipe::~DBusPipe() = default;

bool DBusPipe::hello(int timeoutMs) {
    if (named_) {
        return true;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    if (helloSerial_ == 0) {
        const DBusMessagePtr call(dbus_message_new_method_call(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS,
                                                               DBUS_INTERFACE_DBUS, "Hello"));
        if (!call || !dbus_connection_send(connection_.get(), call.get(), &helloSerial_)) {
            return false;
        }
    }
    std::unordered_map<dbus_uint32_t, std::size_t> waiting{{helloSerial_, 0}};
    std::vector<Reply> replies(1);
    collect(waiting, replies, deadline);
    const char* name = nullptr;
    if (!replies[0].ok || !dbus_message_get_args(replies[0].message.get(), nullptr,
                                                 DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID)) {
        if (replies[0].message) {
            helloSerial_ = 0;  // refused, not late: a later try asks again
        }
        return false;
    }
    named_ = dbus_bus_set_unique_name(connection_.get(), name);
    return named_;
}

bool DBusPipe::connected() {
    // Takes in a hang-up that came while no one was reading.
    dbus_connection_read_write(connection_.get(), 0);
    return dbus_connection_get_is_connected(connection_.get());
}

std::vector<DBusPipe::Reply> DBusPipe::run(const std::vector<DBusMessagePtr>& calls,
                                           int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<Reply> replies(calls.size());
    std::unordered_map<dbus_uint32_t, std::size_t> waiting;
    waiting.reserve(calls.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        dbus_uint32_t serial = 0;
        if (calls[i] && dbus_connection_send(connection_.get(), calls[i].get(), &serial)) {
            waiting.emplace(serial, i);
        }
    }
    collect(waiting, replies, deadline);
    return replies;
}

void DBusPipe::collect(std::unordered_map<dbus_uint32_t, std::size_t>& waiting,
                       std::vector<Reply>& replies,
                       std::chrono::steady_clock::time_point deadline) {
    while (!waiting.empty()) {
        while (DBusMessage* raw = dbus_connection_pop_message(connection_.get())) {
            DBusMessagePtr message(raw);
            const int type = dbus_message_get_type(raw);
            if (type != DBUS_MESSAGE_TYPE_METHOD_RETURN && type != DBUS_MESSAGE_TYPE_ERROR) {
                continue;
            }
            // Late replies to an earlier batch's calls find no one waiting.
            const auto found = waiting.find(dbus_message_get_reply_serial(raw));
            if (found == waiting.end()) {
                continue;
            }
            Reply& reply = replies[found->second];
            reply.ok = type == DBUS_MESSAGE_TYPE_METHOD_RETURN;
            reply.timedOut = !reply.ok && isTimeout(dbus_message_get_error_name(raw));
            reply.message = std::move(message);
            waiting.erase(found);
        }
        if (waiting.empty()) {
            break;
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) {
            for (const auto& [serial, index] : waiting) {
                replies[index].timedOut = true;
            }
            break;
        }
        if (!dbus_connection_read_write(connection_.get(), static_cast<int>(left))) {
            break;  // disconnected: what did not come fails
        }
    }
}

void DBusPipe::send(const DBusMessagePtr& call) {
    if (!call) {
        return;
    }
    dbus_message_set_no_reply(call.get(), TRUE);
    dbus_connection_send(connection_.get(), call.get(), nullptr);
    dbus_connection_flush(connection_.get());
}

std::optional<DBusPipe::Credentials> DBusPipe::peerCredentials() const {
    int socket = -1;
    if (!dbus_connection_get_socket(connection_.get(), &socket) || socket < 0) {
        return std::nullopt;
    }
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0 ||
        length != sizeof credentials || credentials.pid <= 0) {
        return std::nullopt;
    }
    return Credentials{credentials.pid, credentials.uid};
}

}  // namespace holdsheet
