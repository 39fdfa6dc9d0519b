#pragma once

#include "platform/ActivationPolicy.h"

#include <functional>
#include <optional>
#include <vector>

namespace holdsheet::testing {

// Keeps every policy the program asked for.
class RecordingActivationPolicy : public ActivationPolicy {
  public:
    std::vector<Policy> changes;
    std::function<void(Policy)> onChange;  // called after each request

    void setActivationPolicy(Policy policy) override {
        changes.push_back(policy);
        if (onChange) {
            onChange(policy);
        }
    }
    std::optional<Policy> current() const {
        return changes.empty() ? std::nullopt : std::optional<Policy>(changes.back());
    }
};

}  // namespace holdsheet::testing
