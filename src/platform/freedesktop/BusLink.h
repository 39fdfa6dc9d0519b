#pragma once

#include <QByteArray>

#include <memory>
#include <mutex>

namespace holdsheet {

// The one connection to a bus whose daemon may restart (at a new address), hang up or stall,
// replaced on the first use after that. A handshake that does not end in time is kept and
// waited for again on the next use rather than begun anew: a stalled daemon holds one
// connection of ours in its queue, not one per attempt, and it counts once it answers.
//
// Dialer provides:
//   QByteArray address();                          where the bus is now; empty: unknown
//   std::unique_ptr<Pending> connect(address);     null when nothing listens there
//   bool handshake(Pending&);                      true once done; false: not yet, or failed
//   bool broken(Pending&);                         the other end hung up
//   std::shared_ptr<Bus> adopt(std::unique_ptr<Pending>, address);
//   bool healthy(Bus&);                            neither hung up nor stalled
template <typename Dialer>
class BusLink {
  public:
    using Bus = typename Dialer::Bus;
    using Pending = typename Dialer::Pending;

    explicit BusLink(Dialer dialer) : dialer_(std::move(dialer)) {}

    // The connection to use now; null while the bus cannot be reached. Blocks for as long
    // as the dialer's handshake may, and callers on other threads wait meanwhile.
    std::shared_ptr<Bus> current() {
        const std::lock_guard lock(mutex_);
        const QByteArray address = dialer_.address();
        if (address.isEmpty()) {
            // Between two daemons, or the session bus is slow to say: what we have may
            // still serve.
            if (bus_ && dialer_.healthy(*bus_)) {
                return bus_;
            }
            return nullptr;
        }
        if (bus_ && busAddress_ == address && dialer_.healthy(*bus_)) {
            return bus_;
        }
        bus_.reset();
        if (pending_ && (pendingAddress_ != address || dialer_.broken(*pending_))) {
            pending_.reset();
        }
        if (!pending_) {
            pending_ = dialer_.connect(address);
            pendingAddress_ = address;
        }
        if (!pending_) {
            return nullptr;
        }
        if (!dialer_.handshake(*pending_)) {
            if (dialer_.broken(*pending_)) {
                pending_.reset();
            }
            return nullptr;
        }
        bus_ = dialer_.adopt(std::move(pending_), address);
        busAddress_ = address;
        return bus_;
    }

  private:
    Dialer dialer_;
    std::mutex mutex_;  // guards everything below
    std::shared_ptr<Bus> bus_;
    QByteArray busAddress_;
    std::unique_ptr<Pending> pending_;
    QByteArray pendingAddress_;
};

}  // namespace holdsheet
