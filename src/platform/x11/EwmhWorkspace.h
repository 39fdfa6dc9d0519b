#pragma once

#include "platform/ActivationObservers.h"
#include "platform/Workspace.h"
#include "platform/freedesktop/DesktopEntryIndex.h"
#include "platform/x11/X11Connection.h"

namespace holdsheet {

// The workspace from the window manager's EWMH properties: the active window's process,
// its application id, name and icon; activations as changes of _NET_ACTIVE_WINDOW. An
// application is named by its launcher entry, else by its window class, else by its
// process.
class EwmhWorkspace : public Workspace {
  public:
    // `desktopEntries` outlives the workspace.
    explicit EwmhWorkspace(const DesktopEntryIndex& desktopEntries);

    std::optional<RunningApplication> frontmostApplication() override;
    pid_t ownPid() override;
    std::unique_ptr<Observation> observeActivations(ActivationObserver observer) override;
    void activate(const RunningApplication& application) override;
    // The application as the workspace names it when one of its windows is in front: by its
    // active window, else its first managed one; none when it has no window.
    std::optional<RunningApplication> applicationOfProcess(pid_t pid);

  private:
    std::optional<RunningApplication> applicationOf(unsigned long window);

    const DesktopEntryIndex& desktopEntries_;
    X11Connection x11_;
    ActivationObservers observers_;
};

}  // namespace holdsheet
