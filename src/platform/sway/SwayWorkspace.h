#pragma once

#include "platform/ActivationObservers.h"
#include "platform/Workspace.h"
#include "platform/freedesktop/DesktopEntryIndex.h"
#include "platform/sway/SwayConnection.h"
#include "platform/sway/SwayReplies.h"

namespace holdsheet {

// The application in front on sway: the focused window of the compositor's tree, named by
// its launcher entry (found by its app id, or an X11 window's class), else by that id, else
// by its process. Activations follow the compositor's window focus events.
class SwayWorkspace : public Workspace {
  public:
    // Both outlive the workspace.
    SwayWorkspace(SwayRequests& ipc, const DesktopEntryIndex& entries);

    std::optional<RunningApplication> frontmostApplication() override;
    pid_t ownPid() override;
    std::unique_ptr<Observation> observeActivations(ActivationObserver observer) override;
    void activate(const RunningApplication& application) override;

    std::optional<RunningApplication> applicationOfProcess(pid_t pid);
    // A window event from the compositor.
    void windowEvent(const SwayWindowEvent& event);
    // The focused window as the compositor last told it, asked again.
    std::optional<SwayWindow> focusedWindow();

  private:
    RunningApplication applicationOf(const SwayWindow& window) const;

    SwayRequests& ipc_;
    const DesktopEntryIndex& entries_;
    ActivationObservers observers_;
};

}  // namespace holdsheet
