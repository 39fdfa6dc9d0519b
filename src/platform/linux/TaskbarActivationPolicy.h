#pragma once

#include "platform/ActivationPolicy.h"

namespace holdsheet {

// On X11 desktops every normal window has its own taskbar entry and a tool window has none,
// so the policy the program asks for is already what the desktop shows: nothing to do.
class TaskbarActivationPolicy : public ActivationPolicy {
  public:
    void setActivationPolicy(Policy) override {}
};

}  // namespace holdsheet
