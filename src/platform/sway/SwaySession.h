#pragma once

#include "platform/DesktopSession.h"
#include "platform/SessionReaders.h"
#include "platform/freedesktop/EventSound.h"
#include "platform/freedesktop/HeldKeyMonitors.h"
#include "platform/freedesktop/PanelPlacement.h"
#include "platform/sway/SwayConnection.h"
#include "platform/sway/SwayFullscreen.h"
#include "platform/sway/SwayHoldKeys.h"
#include "platform/sway/SwayKeyPoster.h"
#include "platform/sway/SwayWorkspace.h"

namespace holdsheet {

// Raises the program's windows through the compositor: a Wayland client cannot take focus
// by itself.
class SwayWindowRaiser : public WindowRaiser {
  public:
    explicit SwayWindowRaiser(SwayRequests& ipc) : ipc_(ipc) {}
    void bringToFront(QWidget& window) override;

  private:
    SwayRequests& ipc_;
};

// A sway session, through its IPC socket: the hold key by bindings, the application in
// front from the tree, the panel floated and centred by a window rule, keys through wtype.
class SwaySession : public DesktopSession {
  public:
    // The panel's window, as the rule that floats it matches it.
    static inline const QString panelAppId = QStringLiteral("org.holdsheet.Holdsheet");
    static inline const QString panelTitle = PanelPlacement::panelTitle;
    // The criteria that match the panel's window alone.
    static QString panelCriteria();

    // `commands` is a connection to the socket at `socketPath`; events come on another.
    SwaySession(QByteArray socketPath, std::shared_ptr<SwayConnection> commands,
                const DesktopEntryIndex& entries, OwnWindows own);
    ~SwaySession() override;

    QString name() const override { return QStringLiteral("sway"); }
    EventMonitors& monitors() override { return monitors_; }
    Workspace& workspace() override { return workspace_; }
    KeyPoster& keyPoster() override { return poster_; }
    WindowRaiser& raiser() override { return raiser_; }
    bool compositing() const override { return true; }
    std::unique_ptr<SystemHotKeys> desktopHotKeys() override;
    QString start(PreferenceStore& store, Scheduler& scheduler) override;
    void beep() override { sound_.play("bell"); }

  private:
    void event(const SwayMessage& message);
    void addPanelRule();
    // Binds the hold key the preferences name, if it changed; a line for the log when the
    // key is left unbound.
    QString followHoldKey();

    QByteArray socketPath_;
    std::shared_ptr<SwayConnection> commands_;
    SwayWorkspace workspace_;
    HeldKeyMonitors monitors_;
    SwayKeyPoster poster_;
    SwayWindowRaiser raiser_;
    // The rule centres the panel when it maps, but it grows once its sheet is read.
    PanelPlacement placement_;
    PreferenceStore* store_ = nullptr;
    std::unique_ptr<SwayHoldKeys> holdKeys_;
    std::optional<HoldKey> holdKey_;
    PreferenceStore::Subscription preferences_;
    SwayFullscreen fullscreen_;
    EventSound sound_;
    bool ownWindowFocused_ = false;
    std::unique_ptr<SwayEvents> events_;
};

// The same session's readers for the command line.
class SwaySessionReaders : public SessionReaders {
  public:
    // `entries` outlives the readers.
    SwaySessionReaders(QByteArray socketPath, const DesktopEntryIndex& entries);
    std::optional<pid_t> frontmostProcess() override;
    std::optional<RunningApplication> applicationOfProcess(pid_t pid) override;
    std::unique_ptr<SystemHotKeys> desktopHotKeys() override;

  private:
    QByteArray socketPath_;
    std::unique_ptr<SwayConnection> connection_;  // null when the socket cannot be reached
    std::optional<SwayWorkspace> workspace_;
};

// A line for the log about a hold key that could not be bound, or empty.
QString swayHoldKeyTrouble(SwayHoldKeys::Bound bound, HoldKey key, const QString& takenBy);

}  // namespace holdsheet
