#pragma once

#include "platform/LoginItems.h"

namespace holdsheet::testing {

// The desktop's start-at-login state in memory; every change fails while `failure` is set.
class FakeLoginItems : public LoginItems {
  public:
    bool enabled() const override { return on; }
    std::optional<QString> enable() override { return change(true); }
    std::optional<QString> disable() override { return change(false); }

    bool on = false;
    std::optional<QString> failure;
    int requests = 0;

  private:
    std::optional<QString> change(bool wanted) {
        ++requests;
        if (failure) {
            return failure;
        }
        on = wanted;
        return std::nullopt;
    }
};

}  // namespace holdsheet::testing
