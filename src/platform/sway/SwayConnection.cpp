#include "platform/sway/SwayConnection.h"

#include "platform/sway/SwayReplies.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace holdsheet {

namespace {

int remainingMs(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

// Waits until the socket is ready for `events` or the deadline passes.
bool waitFor(int fd, short events, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, remainingMs(deadline));
        if (ready > 0) {
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

}  // namespace

std::unique_ptr<SwayConnection> SwayConnection::open(const QByteArray& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.isEmpty() || socketPath.size() >= qsizetype(sizeof address.sun_path) ||
        socketPath.contains('\0')) {
        return nullptr;
    }
    std::memcpy(address.sun_path, socketPath.constData(), socketPath.size());
    FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.valid()) {
        return nullptr;
    }
    // A local stream socket connects at once or not at all.
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        return nullptr;
    }
    ucred peer{};
    socklen_t length = sizeof peer;
    if (::getsockopt(fd.get(), SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 ||
        peer.uid != ::getuid()) {
        return nullptr;
    }
    return std::unique_ptr<SwayConnection>(new SwayConnection(std::move(fd)));
}

bool SwayConnection::writeAll(const QByteArray& bytes,
                              std::chrono::steady_clock::time_point deadline) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            ::send(fd_.get(), bytes.constData() + written, bytes.size() - written, MSG_NOSIGNAL);
        if (n > 0) {
            written += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (!waitFor(fd_.get(), POLLOUT, deadline)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

bool SwayConnection::readAvailable() {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::recv(fd_.get(), buffer, sizeof buffer, 0);
        if (n > 0) {
            frames_.feed(QByteArray(buffer, n));
            if (frames_.broken()) {
                broken_ = true;
                return false;
            }
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno == EAGAIN) {
            return true;
        }
        broken_ = true;  // closed, or an error
        return false;
    }
}

std::optional<QByteArray> SwayConnection::request(std::uint32_t type, const QByteArray& payload,
                                                  std::chrono::milliseconds timeout) {
    if (broken_) {
        return std::nullopt;
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    if (!writeAll(encodeSwayMessage(type, payload), deadline)) {
        broken_ = true;
        return std::nullopt;
    }
    for (;;) {
        while (auto message = frames_.next()) {
            if (message->type == type) {
                return message->payload;
            }
        }
        if (!waitFor(fd_.get(), POLLIN, deadline) || !readAvailable()) {
            // A late reply would be taken for the next request's: give the connection up.
            broken_ = true;
            return std::nullopt;
        }
    }
}

std::unique_ptr<SwayEvents> SwayEvents::subscribe(const QByteArray& socketPath,
                                                  const QStringList& events, Handler handler,
                                                  std::function<void()> ended) {
    auto connection = SwayConnection::open(socketPath);
    if (!connection) {
        return nullptr;
    }
    const QByteArray names = QJsonDocument(QJsonArray::fromStringList(events)).toJson();
    const auto reply = connection->request(sway::subscribe, names);
    if (!reply || !QJsonDocument::fromJson(*reply).object().value("success").toBool()) {
        return nullptr;
    }
    return std::unique_ptr<SwayEvents>(
        new SwayEvents(std::move(connection), std::move(handler), std::move(ended)));
}

SwayEvents::SwayEvents(std::unique_ptr<SwayConnection> connection, Handler handler,
                       std::function<void()> ended)
    : connection_(std::move(connection)),
      notifier_(std::make_unique<QSocketNotifier>(connection_->fd(), QSocketNotifier::Read)),
      handler_(std::move(handler)),
      ended_(std::move(ended)) {
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readable(); });
    // Events that came with the subscription's reply.
    QMetaObject::invokeMethod(
        this, [this] { readable(); }, Qt::QueuedConnection);
}

SwayEvents::~SwayEvents() = default;

void SwayEvents::readable() {
    if (!notifier_->isEnabled()) {
        return;
    }
    const bool open = connection_->readAvailable();
    while (auto message = connection_->next()) {
        if (message->isEvent()) {
            handler_(*message);
        }
    }
    if (!open) {
        notifier_->setEnabled(false);
        if (ended_) {
            std::exchange(ended_, nullptr)();
        }
    }
}

}  // namespace holdsheet
