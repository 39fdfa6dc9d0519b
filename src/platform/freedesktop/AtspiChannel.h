#pragma once

#include "platform/freedesktop/AtspiBus.h"

#include <memory>

namespace holdsheet {

// The calls the accessibility adapter makes on one application, whatever carries them: the
// accessibility bus, the application's own socket, or replies played back in tests.
class AtspiChannel {
  public:
    virtual ~AtspiChannel() = default;
    virtual std::vector<AtspiBus::Reply> run(const std::vector<AtspiBus::Call>& calls,
                                             int timeoutMs) = 0;
    virtual void send(const AtspiBus::Call& call) = 0;
    // Bus names of the applications registered for this process id.
    virtual QStringList applicationsOf(pid_t pid) = 0;
    // The application's own socket, on the terms of AtspiBus::openPeer; null when refused.
    virtual std::shared_ptr<AtspiChannel> openPeer(const QString& address,
                                                   const DBusPipe::Credentials& owner) = 0;
};

// The channel over a real connection.
class BusChannel : public AtspiChannel {
  public:
    explicit BusChannel(std::shared_ptr<AtspiBus> bus) : bus_(std::move(bus)) {}
    std::vector<AtspiBus::Reply> run(const std::vector<AtspiBus::Call>& calls,
                                     int timeoutMs) override {
        return bus_->run(calls, timeoutMs);
    }
    void send(const AtspiBus::Call& call) override { bus_->send(call); }
    QStringList applicationsOf(pid_t pid) override { return bus_->applicationsOf(pid); }
    std::shared_ptr<AtspiChannel> openPeer(const QString& address,
                                           const DBusPipe::Credentials& owner) override {
        auto peer = AtspiBus::openPeer(address, owner);
        return peer ? std::make_shared<BusChannel>(std::move(peer)) : nullptr;
    }

  private:
    std::shared_ptr<AtspiBus> bus_;
};

}  // namespace holdsheet
