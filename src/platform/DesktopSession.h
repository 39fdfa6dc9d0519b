#pragma once

#include "platform/EventMonitors.h"
#include "platform/KeyPoster.h"
#include "platform/PreferenceStore.h"
#include "platform/Scheduler.h"
#include "platform/SystemHotKeys.h"
#include "platform/WindowRaiser.h"
#include "platform/Workspace.h"

#include <QString>

#include <functional>
#include <memory>

namespace holdsheet {

// The part of the program that lives in the desktop itself, where a session needs one (GNOME
// Shell's extension): without it the hold key and the panel's placement are out of reach.
enum class ShellExtensionState {
    notNeeded,
    active,
    disabled,  // installed, but off (or the shell refused it)
    missing,   // not installed, or installed since the shell started
};

// What the program needs of the session it runs in and that each kind of session offers in
// its own way: input, the application in front, posting keys, raising windows.
class DesktopSession {
  public:
    // What a session asks of the program about its own windows.
    struct OwnWindows {
        std::function<bool()> panelHoldsKeyboard;
        std::function<bool(quint64)> isOwnWindow;  // by the platform's window id
    };

    virtual ~DesktopSession() = default;
    // "X11", "sway": for the start-up line and the logs.
    virtual QString name() const = 0;
    virtual EventMonitors& monitors() = 0;
    virtual Workspace& workspace() = 0;
    virtual KeyPoster& keyPoster() = 0;
    virtual WindowRaiser& raiser() = 0;
    // The desktop's own key bindings, read off the main thread.
    virtual std::unique_ptr<SystemHotKeys> desktopHotKeys() = 0;
    // Whether windows may be translucent.
    virtual bool compositing() const = 0;
    // Once the program runs, with what it keeps until it ends: a line for the log when the
    // session cannot give all it should (the hold key left to a binding of the user's), else
    // empty.
    virtual QString start(PreferenceStore& store, Scheduler& scheduler) = 0;
    // The one sound the program makes.
    virtual void beep() = 0;
    virtual ShellExtensionState extensionState() const { return ShellExtensionState::notNeeded; }
    // The UUID the running desktop loads its extension by; empty where there is none.
    virtual QString extensionUuid() const { return {}; }
    // `changed` runs on the main thread whenever `extensionState` changes.
    virtual void onExtensionStateChanged(std::function<void()> changed) { (void)changed; }
};

}  // namespace holdsheet
