#include "platform/ActivationObservers.h"

namespace holdsheet {

namespace {
class Observation : public Workspace::Observation {
  public:
    Observation(std::weak_ptr<std::map<int, Workspace::ActivationObserver>> observers, int id)
        : observers_(std::move(observers)), id_(id) {}
    ~Observation() override {
        if (auto observers = observers_.lock()) {
            observers->erase(id_);
        }
    }

  private:
    std::weak_ptr<std::map<int, Workspace::ActivationObserver>> observers_;
    int id_;
};
}  // namespace

std::unique_ptr<Workspace::Observation> ActivationObservers::add(
    Workspace::ActivationObserver observer) {
    const int id = nextId_++;
    observers_->emplace(id, std::move(observer));
    return std::make_unique<Observation>(observers_, id);
}

void ActivationObservers::announce(const std::optional<RunningApplication>& application) {
    const auto copy = *observers_;  // an observer may end observations
    for (const auto& [id, observer] : copy) {
        if (observers_->contains(id)) {
            observer(application);
        }
    }
}

}  // namespace holdsheet
