#pragma once

#include "platform/freedesktop/DBusPipe.h"

#include <QSize>
#include <QStringList>
#include <QVariantList>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include <sys/types.h>

namespace holdsheet {

// A private connection to the accessibility bus with pipelined calls: a batch is sent at
// once and then waited for, so its cost is one round trip, not one per call.
// Arguments may be texts, signed and unsigned integers. Safe to use from several threads:
// each batch has a connection to itself (a reply read by one thread is lost to another).
class AtspiBus {
  public:
    struct Call {
        QString service;
        QString path;
        QString interface;
        QString method;
        QVariantList arguments;
    };
    using Reply = DBusPipe::Reply;

    static const QString nullPath;

    // Where the accessibility bus is now (it changes when its daemon restarts); empty when
    // it cannot be found.
    static QByteArray currentAddress();
    // A bus connection whose handshake is done.
    static std::shared_ptr<AtspiBus> adopt(std::unique_ptr<DBusPipe> pipe, QByteArray address);
    // A direct connection to one application's own socket; calls on it ignore their
    // service. Null unless the address names a local socket (peerSocketAddress) and the
    // process listening there is `owner`, the application as the bus daemon knows it.
    static std::shared_ptr<AtspiBus> openPeer(const QString& address,
                                              const DBusPipe::Credentials& owner);
    ~AtspiBus();
    AtspiBus(const AtspiBus&) = delete;
    AtspiBus& operator=(const AtspiBus&) = delete;

    // Asks the bus daemon itself; a bus that does not answer is no longer healthy.
    bool answers();
    // False once a connection found the daemon gone, or the daemon did not answer.
    bool healthy();
    std::vector<Reply> run(const std::vector<Call>& calls, int timeoutMs);
    void send(const Call& call);
    // Bus names of the applications registered for this process id.
    QStringList applicationsOf(pid_t pid);

    // What one reply may bring into the program: longer texts are cut (at a character),
    // longer lists end there, and references with longer names or paths are dropped.
    // Whatever was left out sets `cut`.
    static constexpr int textBytes = 2048;
    static constexpr int bindingBytes = 512;
    static constexpr int nameBytes = 255;  // a bus name's own limit
    static constexpr int pathBytes = 512;
    static constexpr int referencesPerReply = 2048;

    static Call property(const QString& service, const QString& path, const QString& interface,
                         const QString& name);
    static std::vector<std::pair<QString, QString>> references(const Reply& reply);
    static std::vector<std::pair<QString, QString>> references(const Reply& reply, bool& cut);
    static std::optional<uint> unsignedValue(const Reply& reply);
    static std::optional<QString> textValue(const Reply& reply);
    static std::optional<QString> textValue(const Reply& reply, int maxBytes, bool& cut);
    static std::optional<quint64> stateValue(const Reply& reply);
    // The size of a Component.GetExtents answer.
    static std::optional<QSize> extentSize(const Reply& reply);

    // One element of the org.a11y.atspi.Cache GetItems reply.
    struct CacheItem {
        QString busName;
        QString path;
        QString name;
        bool nameCut = false;
        uint role = 0;
        quint64 states = 0;
    };
    static std::vector<CacheItem> cacheItems(const Reply& reply, std::size_t maxItems, bool& cut);

    // The desktop-wide switch on the session bus ("IsEnabled" or "ScreenReaderEnabled").
    static bool accessibilityEnabled();
    static void enableAccessibility();

  private:
    AtspiBus(std::unique_ptr<DBusPipe> pipe, QByteArray address,
             std::optional<DBusPipe::Credentials> peerOwner);
    // A new connection; to a peer, only while the same process still listens there.
    std::unique_ptr<DBusPipe> openPipe() const;
    DBusMessagePtr toMessage(const Call& call) const;
    // An idle connection, or a new one while all are busy; null when none can be opened.
    std::unique_ptr<DBusPipe> takePipe();
    void giveBack(std::unique_ptr<DBusPipe> pipe);
    const QByteArray address_;
    const std::optional<DBusPipe::Credentials> peerOwner_;
    const bool peer_;
    std::mutex mutex_;  // guards idle_
    std::vector<std::unique_ptr<DBusPipe>> idle_;
    std::atomic<bool> lost_{false};
    std::atomic<bool> stalled_{false};
};

}  // namespace holdsheet
