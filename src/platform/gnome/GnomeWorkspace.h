#pragma once

#include "platform/ActivationObservers.h"
#include "platform/KeyPoster.h"
#include "platform/Workspace.h"
#include "platform/freedesktop/DesktopEntryIndex.h"
#include "platform/gnome/ShellExtensionCalls.h"

#include <optional>
#include <vector>

namespace holdsheet {

// The application in front on GNOME Shell: the focused window, as the extension last told
// it. Without the extension, the window the accessibility bus reports active, asked for
// each time (slowly: three rounds of calls to every accessible application).
class GnomeWorkspace : public Workspace {
  public:
    // `entries` outlives the workspace.
    explicit GnomeWorkspace(const DesktopEntryIndex& entries) : entries_(entries) {}

    std::optional<RunningApplication> frontmostApplication() override;
    pid_t ownPid() override;
    std::unique_ptr<Observation> observeActivations(ActivationObserver observer) override;
    // The shell lets no client focus another's window; once the panel hides, the shell
    // focuses the window under it, which is the one the panel was opened over.
    void activate(const RunningApplication& application) override { (void)application; }

    // The extension's focused window (pid 0: none), as it changes.
    void focusChanged(const FocusedWindow& window);
    // The extension went: what it told is stale.
    void extensionGone() { focus_.reset(); }
    RunningApplication applicationOf(const FocusedWindow& window) const;

  private:
    const DesktopEntryIndex& entries_;
    std::optional<FocusedWindow> focus_;
    ActivationObservers observers_;
};

// The keysyms of a key with its modifiers, modifiers first; empty when the key has none.
std::vector<quint32> keysymsOfKeys(std::uint16_t keyCode, std::uint64_t flags);

// Keys through the extension's virtual keyboard, which posts only for the program's own
// connection. The compositor's remote desktop API would serve too, but it is a remote
// access session to the shell, and the portal in front of it asks the user first.
class GnomeKeyPoster : public KeyPoster {
  public:
    explicit GnomeKeyPoster(ShellExtensionCalls& extension) : extension_(extension) {}
    void postKeys(std::uint16_t keyCode, std::uint64_t flags) override;

  private:
    ShellExtensionCalls& extension_;
};

}  // namespace holdsheet
