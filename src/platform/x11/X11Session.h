#pragma once

#include "platform/DesktopSession.h"
#include "platform/SessionReaders.h"
#include "platform/freedesktop/DesktopEntryIndex.h"
#include "platform/x11/EwmhWorkspace.h"
#include "platform/x11/X11EventMonitors.h"
#include "platform/x11/X11WindowRaiser.h"
#include "platform/x11/XTestKeyPoster.h"

namespace holdsheet {

// An X11 session: XInput 2 and XKB for input, EWMH for windows, XTest for keys.
class X11Session : public DesktopSession {
  public:
    // `entries` outlives the session.
    X11Session(const DesktopEntryIndex& entries, OwnWindows own);

    QString name() const override { return QStringLiteral("X11"); }
    EventMonitors& monitors() override { return monitors_; }
    Workspace& workspace() override { return workspace_; }
    KeyPoster& keyPoster() override { return poster_; }
    WindowRaiser& raiser() override { return raiser_; }
    bool compositing() const override { return compositing_; }
    std::unique_ptr<SystemHotKeys> desktopHotKeys() override;
    void beep() override;
    // Says when the desktop takes the hold key for itself.
    QString start(PreferenceStore& store, Scheduler&) override;

  private:
    EwmhWorkspace workspace_;
    XTestKeyPoster poster_;
    X11EventMonitors monitors_;
    X11WindowRaiser raiser_;
    bool compositing_;
};

// The same session's readers for the command line.
class X11SessionReaders : public SessionReaders {
  public:
    // `entries` outlives the readers.
    explicit X11SessionReaders(const DesktopEntryIndex& entries) : entries_(entries) {}
    std::optional<pid_t> frontmostProcess() override;
    std::optional<RunningApplication> applicationOfProcess(pid_t pid) override;
    std::unique_ptr<SystemHotKeys> desktopHotKeys() override;

  private:
    const DesktopEntryIndex& entries_;
};

}  // namespace holdsheet
