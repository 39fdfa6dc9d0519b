#pragma once

#include "platform/ActivationObservers.h"
#include "platform/Workspace.h"
#include "platform/linux/X11Connection.h"

namespace holdsheet {

// The workspace from the window manager's EWMH properties: the active window's process,
// its application id, name and icon; activations as changes of _NET_ACTIVE_WINDOW.
class EwmhWorkspace : public Workspace {
  public:
    EwmhWorkspace();

    std::optional<RunningApplication> frontmostApplication() override;
    pid_t ownPid() override;
    std::unique_ptr<Observation> observeActivations(ActivationObserver observer) override;
    void activate(const RunningApplication& application) override;

  private:
    std::optional<RunningApplication> applicationOf(unsigned long window);

    X11Connection x11_;
    ActivationObservers observers_;
};

}  // namespace holdsheet
