#pragma once

#include "platform/Workspace.h"

#include <map>
#include <memory>

namespace holdsheet {

// The activation observers of a workspace: each observation removes its observer when
// dropped, also while the observers are being told.
class ActivationObservers {
  public:
    std::unique_ptr<Workspace::Observation> add(Workspace::ActivationObserver observer);
    void announce(const std::optional<RunningApplication>& application);
    int count() const { return static_cast<int>(observers_->size()); }

  private:
    using Map = std::map<int, Workspace::ActivationObserver>;
    std::shared_ptr<Map> observers_ = std::make_shared<Map>();
    int nextId_ = 1;
};

}  // namespace holdsheet
