#pragma once

#include "platform/Workspace.h"
#include "platform/linux/X11Connection.h"

#include <map>

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
    std::shared_ptr<std::map<int, ActivationObserver>> observers_ =
        std::make_shared<std::map<int, ActivationObserver>>();
    int nextObserver_ = 1;
};

}  // namespace holdsheet
