#pragma once

#include "platform/FileDescriptor.h"
#include "platform/sway/SwayFrames.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;

namespace holdsheet {

// Requests to the compositor, one at a time; none when it does not answer.
class SwayRequests {
  public:
    virtual ~SwayRequests() = default;
    virtual std::optional<QByteArray> request(std::uint32_t type, const QByteArray& payload) = 0;
};

// One connection to the compositor's IPC socket. The socket's path comes from the
// environment, so it is used only when the process listening on it runs as this user.
class SwayConnection : public SwayRequests {
  public:
    // None when the socket cannot be reached or belongs to another user.
    static std::unique_ptr<SwayConnection> open(const QByteArray& socketPath);

    // Sends a request and waits for its reply on the calling thread, at most `timeout`.
    // Events that arrive meanwhile are dropped. None on a timeout or a broken stream, after
    // which the connection is no longer used.
    std::optional<QByteArray> request(std::uint32_t type, const QByteArray& payload,
                                      std::chrono::milliseconds timeout);
    std::optional<QByteArray> request(std::uint32_t type, const QByteArray& payload) override {
        return request(type, payload, std::chrono::seconds(2));
    }

    int fd() const { return fd_.get(); }
    // Reads what has arrived without waiting; false when the stream ended or broke.
    bool readAvailable();
    std::optional<SwayMessage> next() { return frames_.next(); }

  private:
    explicit SwayConnection(FileDescriptor fd) : fd_(std::move(fd)) {}
    bool writeAll(const QByteArray& bytes, std::chrono::steady_clock::time_point deadline);

    FileDescriptor fd_;
    SwayFrames frames_;
    bool broken_ = false;
};

// The compositor's events on a connection of their own, handed over on the main thread.
class SwayEvents : public QObject {
  public:
    using Handler = std::function<void(const SwayMessage&)>;

    // None when the connection or the subscription fails. `ended` runs once when the
    // compositor closes the stream (it exits or restarts).
    static std::unique_ptr<SwayEvents> subscribe(const QByteArray& socketPath,
                                                 const QStringList& events, Handler handler,
                                                 std::function<void()> ended);
    ~SwayEvents() override;

  private:
    SwayEvents(std::unique_ptr<SwayConnection> connection, Handler handler,
               std::function<void()> ended);
    void readable();

    std::unique_ptr<SwayConnection> connection_;
    std::unique_ptr<QSocketNotifier> notifier_;
    Handler handler_;
    std::function<void()> ended_;
};

}  // namespace holdsheet
