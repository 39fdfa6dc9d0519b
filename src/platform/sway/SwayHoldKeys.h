#pragma once

#include "platform/Scheduler.h"
#include "platform/freedesktop/HeldKeyMonitors.h"
#include "platform/sway/SwayConnection.h"
#include "prefs/StoredEnum.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

namespace holdsheet {

// The hold key on sway, through bindings of our own on its key symbols: the press binding
// fires at the press and then repeats while the key is held alone; the release binding fires
// only when it is released alone. A key pressed meanwhile stops the repeats and swallows the
// release, so the repeats are the only sign of a key held alone: when they stop, the hold
// was interrupted.
class SwayHoldKeys {
  public:
    // stillAlone: the first repeat came.
    using Change = HeldKeyChange;
    enum class Bound {
        ok,
        taken,     // the user's configuration binds the key alone: left to it
        noRepeat,  // key repeat is off, so a hold cannot be told from a chord
        failed,    // the compositor refused the bindings or did not answer
    };

    // Marks the bindings as ours, in the commands the compositor reports back.
    static inline const QString pressCommand = QStringLiteral("nop holdsheet-hold pressed");
    static inline const QString releaseCommand = QStringLiteral("nop holdsheet-hold released");
    // How long past the keyboard's repeat timing a repeat may be late before the key counts
    // as joined by another: the compositor stalls at times (mapping the panel on a loaded
    // machine, 200 ms and more), and a hold taken for a chord is a hold lost.
    static constexpr std::chrono::milliseconds slack{400};

    // `holdDelay` is how long a hold lasts before the panel opens. When it ends before a
    // chord could show (no repeat yet), the press is told only once the first repeat comes,
    // or at the release of a tap: a shortcut must never open the panel, and a short hold
    // takes the keyboard's repeat delay longer instead.
    SwayHoldKeys(SwayRequests& ipc, Scheduler& scheduler, std::function<void(Change)> changed,
                 std::function<std::chrono::milliseconds()> holdDelay = {});
    ~SwayHoldKeys();
    SwayHoldKeys(const SwayHoldKeys&) = delete;
    SwayHoldKeys& operator=(const SwayHoldKeys&) = delete;

    // Binds `key` in place of the key bound before.
    Bound bind(HoldKey key);
    void unbind();
    // The user's binding that made bind() answer `taken`, as the configuration says it.
    QString takenBy() const { return takenBy_; }
    // Told how binding again after a configuration reload went.
    void onRebound(std::function<void(Bound)> rebound) { rebound_ = std::move(rebound); }

    // An event from the compositor: bindings that ran, and configuration reloads (which drop
    // bindings made at run time: they are made again).
    void event(const SwayMessage& message);

  private:
    enum class State { up, pressed, alone };
    void arm(std::chrono::milliseconds wait);
    void disarm();
    void setState(State state, std::optional<Change> change);
    bool run(const QStringList& commands);
    // The keyboard's repeat delay and rate; a reason not to bind when they cannot serve.
    std::optional<Bound> readRepeatTiming();

    SwayRequests& ipc_;
    Scheduler& scheduler_;
    std::function<void(Change)> changed_;
    std::function<void(Bound)> rebound_;
    std::function<std::chrono::milliseconds()> holdDelay_;
    bool pressUntold_ = false;
    std::optional<HoldKey> key_;
    QStringList symbols_;  // bound now
    QString takenBy_;
    State state_ = State::up;
    std::chrono::milliseconds firstRepeat_{600};
    std::chrono::milliseconds repeatEvery_{40};
    std::shared_ptr<Scheduler::Delay> watchdog_;
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

// The key symbols of a hold key, left and right.
QStringList swayHoldKeySymbols(HoldKey key);

}  // namespace holdsheet
