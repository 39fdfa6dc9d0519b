#pragma once

#include <dbus/dbus.h>

#include <QByteArray>

#include <chrono>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include <sys/types.h>

namespace holdsheet {

struct DBusMessageUnref {
    void operator()(DBusMessage* message) const { dbus_message_unref(message); }
};
using DBusMessagePtr = std::unique_ptr<DBusMessage, DBusMessageUnref>;

// A private libdbus connection that runs batches of method calls on the calling thread:
// every call of a batch is queued before the first reply is read, and replies are matched
// by serial. Menus of thousands of nodes cost thousands of calls, so the per-call work of a
// general-purpose binding (a dispatcher thread, a pending-call object and a wake-up per
// reply) outweighs the calls themselves.
class DBusPipe {
  public:
    struct Reply {
        DBusMessagePtr message;  // the method return or error; null when none came
        bool ok = false;
        bool timedOut = false;
    };

    // Null when the address cannot be reached. A bus wants the Hello handshake, a peer not;
    // a bus whose handshake does not end within the timeout counts as unreachable.
    static std::unique_ptr<DBusPipe> open(const QByteArray& address, bool bus,
                                          int handshakeTimeoutMs = 1500);
    // Connected, and nothing more: the bus's handshake is `hello`. Null when no connection
    // can be made.
    static std::unique_ptr<DBusPipe> connect(const QByteArray& address);
    ~DBusPipe();
    DBusPipe(const DBusPipe&) = delete;
    DBusPipe& operator=(const DBusPipe&) = delete;

    // One reply per call, in order; a null call fails without being sent. The timeout
    // counts from the start of the batch.
    std::vector<Reply> run(const std::vector<DBusMessagePtr>& calls, int timeoutMs);
    // Sent without waiting, and without asking for a reply.
    void send(const DBusMessagePtr& call);

    // The bus's handshake (authentication and Hello), waited for at most `timeoutMs`; true
    // once the bus has named this connection. Called again after a timeout, it goes on
    // waiting for the same answer: a stalled daemon is not asked again and again.
    // libdbus's own registration is not used: it waits 25 s holding a lock of the whole
    // process, which every other connection's setup needs too.
    bool hello(int timeoutMs);
    // False once the other end hung up (noticed even while the connection was idle).
    bool connected();
    struct Credentials {
        pid_t pid = 0;
        uid_t uid = 0;
    };
    // The process and user at the other end of a local socket, as the kernel knows them;
    // none for any other kind of connection.
    std::optional<Credentials> peerCredentials() const;

  private:
    struct ConnectionClose {
        void operator()(DBusConnection* connection) const;
    };
    using ConnectionPtr = std::unique_ptr<DBusConnection, ConnectionClose>;
    explicit DBusPipe(ConnectionPtr connection) : connection_(std::move(connection)) {}
    // Reads replies to the calls of `waiting` (serial to index) into `replies` until all
    // came, the deadline passed or the connection closed.
    void collect(std::unordered_map<dbus_uint32_t, std::size_t>& waiting,
                 std::vector<Reply>& replies, std::chrono::steady_clock::time_point deadline);
    ConnectionPtr connection_;
    dbus_uint32_t helloSerial_ = 0;
    bool named_ = false;
};

}  // namespace holdsheet
