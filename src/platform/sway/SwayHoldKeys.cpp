#include "platform/sway/SwayHoldKeys.h"

#include "platform/sway/SwayReplies.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace holdsheet {

QStringList swayHoldKeySymbols(HoldKey key) {
    switch (key) {
        case HoldKey::control:
            return {QStringLiteral("Control_L"), QStringLiteral("Control_R")};
        case HoldKey::alt:
            return {QStringLiteral("Alt_L"), QStringLiteral("Alt_R")};
        case HoldKey::super:
            break;
    }
    return {QStringLiteral("Super_L"), QStringLiteral("Super_R")};
}

SwayHoldKeys::SwayHoldKeys(SwayRequests& ipc, Scheduler& scheduler,
                           std::function<void(Change)> changed,
                           std::function<std::chrono::milliseconds()> holdDelay)
    : ipc_(ipc),
      scheduler_(scheduler),
      changed_(std::move(changed)),
      holdDelay_(std::move(holdDelay)) {}

SwayHoldKeys::~SwayHoldKeys() {
    unbind();
}

bool SwayHoldKeys::run(const QStringList& commands) {
    const auto reply = ipc_.request(sway::runCommand, commands.join("; ").toUtf8());
    return reply && swayCommandResult(*reply).ok;
}

std::optional<SwayHoldKeys::Bound> SwayHoldKeys::readRepeatTiming() {
    const auto reply = ipc_.request(sway::getInputs, {});
    if (!reply) {
        return Bound::failed;
    }
    // The first keyboard's timing; sway applies one to all unless configured otherwise.
    for (const auto input : QJsonDocument::fromJson(*reply).array()) {
        const QJsonObject object = input.toObject();
        if (object.value("type").toString() != "keyboard" || !object.contains("repeat_rate")) {
            continue;
        }
        const int rate = object.value("repeat_rate").toInt();
        const int delay = object.value("repeat_delay").toInt();
        if (rate <= 0) {
            return Bound::noRepeat;
        }
        firstRepeat_ = std::chrono::milliseconds(std::clamp(delay, 1, 10000));
        repeatEvery_ = std::chrono::milliseconds(std::max(1000 / std::min(rate, 1000), 1));
        return std::nullopt;
    }
    return std::nullopt;  // no keyboard yet: the compositor's defaults
}

SwayHoldKeys::Bound SwayHoldKeys::bind(HoldKey key) {
    unbind();
    key_ = key;
    takenBy_.clear();
    const QStringList symbols = swayHoldKeySymbols(key);
    const auto config = ipc_.request(sway::getConfig, {});
    if (!config) {
        return Bound::failed;
    }
    for (const auto& binding : swayConfigBindings(swayConfigText(*config))) {
        if (symbols.contains(binding.combo, Qt::CaseInsensitive)) {
            takenBy_ = QStringLiteral("bindsym %1 %2").arg(binding.combo, binding.command);
            return Bound::taken;
        }
    }
    if (const auto problem = readRepeatTiming()) {
        return *problem;
    }
    QStringList commands;
    for (const QString& symbol : symbols) {
        commands << QStringLiteral("bindsym %1 %2").arg(symbol, pressCommand)
                 << QStringLiteral("bindsym --release %1 %2").arg(symbol, releaseCommand);
    }
    if (!run(commands)) {
        return Bound::failed;
    }
    symbols_ = symbols;
    return Bound::ok;
}

void SwayHoldKeys::unbind() {
    if (!symbols_.isEmpty()) {
        QStringList commands;
        for (const QString& symbol : std::exchange(symbols_, {})) {
            commands << QStringLiteral("unbindsym %1").arg(symbol)
                     << QStringLiteral("unbindsym --release %1").arg(symbol);
        }
        run(commands);
    }
    setState(State::up, std::nullopt);
}

void SwayHoldKeys::event(const SwayMessage& message) {
    if (message.type == sway::workspaceEvent) {
        // A reload drops the bindings made at run time, and the user may have bound the key
        // meanwhile: look again.
        if (key_ && !symbols_.isEmpty() && swayEventChange(message.payload) == "reload") {
            symbols_.clear();
            const Bound bound = bind(*key_);
            if (rebound_) {
                rebound_(bound);
            }
        }
        return;
    }
    if (message.type != sway::bindingEvent || symbols_.isEmpty()) {
        return;
    }
    // Bindings of another key with our command are left over from an earlier run that did
    // not end cleanly, or from another hold key: not the key held now.
    const auto binding = swayBindingEvent(message.payload);
    if (!binding || !symbols_.contains(binding->symbol)) {
        return;
    }
    if (binding->command == pressCommand) {
        switch (state_) {
            case State::up:
                pressUntold_ = holdDelay_ && holdDelay_() <= firstRepeat_ + slack;
                setState(State::pressed,
                         pressUntold_ ? std::nullopt : std::optional(Change::pressed));
                arm(firstRepeat_ + slack);
                break;
            case State::pressed:
                if (std::exchange(pressUntold_, false)) {
                    changed_(Change::pressed);
                }
                setState(State::alone, Change::stillAlone);
                arm(repeatEvery_ + slack);
                break;
            case State::alone:
                arm(repeatEvery_ + slack);
                break;
        }
    } else if (binding->command == releaseCommand && state_ != State::up) {
        if (std::exchange(pressUntold_, false)) {
            changed_(Change::pressed);  // a tap
        }
        setState(State::up, Change::released);
    }
}

void SwayHoldKeys::setState(State state, std::optional<Change> change) {
    state_ = state;
    if (state == State::up) {
        disarm();
    }
    if (change) {
        changed_(*change);
    }
}

void SwayHoldKeys::arm(std::chrono::milliseconds wait) {
    disarm();
    std::weak_ptr<int> alive = lifetime_;
    watchdog_ = scheduler_.after(wait, [this, alive](bool cancelled) {
        if (cancelled || !alive.lock()) {
            return;
        }
        watchdog_.reset();
        // A chord whose press was never told is nothing to anyone.
        setState(State::up, std::exchange(pressUntold_, false)
                                ? std::nullopt
                                : std::optional(Change::interrupted));
    });
}

void SwayHoldKeys::disarm() {
    if (watchdog_) {
        watchdog_->cancel();
        watchdog_.reset();
    }
}

}  // namespace holdsheet
