#include "support/FakeDesktop.h"

namespace holdsheet::testing {

namespace {

class FakeObservation : public Workspace::Observation {
  public:
    FakeObservation(std::weak_ptr<std::map<int, Workspace::ActivationObserver>> observers, int id)
        : observers_(std::move(observers)), id_(id) {}
    ~FakeObservation() override {
        if (auto observers = observers_.lock()) {
            observers->erase(id_);
        }
    }

  private:
    std::weak_ptr<std::map<int, Workspace::ActivationObserver>> observers_;
    int id_;
};

}  // namespace

std::unique_ptr<Workspace::Observation> FakeWorkspace::observeActivations(
    ActivationObserver observer) {
    const int id = next_++;
    observers_->emplace(id, std::move(observer));
    return std::make_unique<FakeObservation>(observers_, id);
}

void FakeWorkspace::announce(const std::optional<RunningApplication>& application) {
    auto copy = *observers_;  // an observer may end observations
    for (auto& [id, observer] : copy) {
        if (observers_->contains(id)) {
            observer(application);
        }
    }
}

std::optional<EventMonitors::Token> FakeMonitors::addGlobalMonitor(quint64 mask,
                                                                   GlobalHandler handler) {
    if (refuse) {
        return std::nullopt;
    }
    monitors_.emplace(next_, Monitor{mask, std::move(handler), nullptr});
    return next_++;
}

std::optional<EventMonitors::Token> FakeMonitors::addLocalMonitor(quint64 mask,
                                                                  LocalHandler handler) {
    if (refuse) {
        return std::nullopt;
    }
    monitors_.emplace(next_, Monitor{mask, nullptr, std::move(handler)});
    return next_++;
}

void FakeMonitors::global(const InputEvent& event) {
    auto copy = monitors_;
    for (auto& [token, monitor] : copy) {
        if (monitor.global && (monitor.mask & maskOf(event.type)) && monitors_.contains(token)) {
            monitor.global(event);
        }
    }
}

bool FakeMonitors::local(const InputEvent& event) {
    auto copy = monitors_;
    for (auto& [token, monitor] : copy) {
        if (monitor.local && (monitor.mask & maskOf(event.type)) && monitors_.contains(token)) {
            if (!monitor.local(event)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace holdsheet::testing
