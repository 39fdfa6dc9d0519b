#pragma once

#include "platform/DesktopSession.h"
#include "platform/SessionReaders.h"
#include "platform/freedesktop/DesktopEntryIndex.h"
#include "platform/freedesktop/EventSound.h"
#include "platform/freedesktop/HeldKeyMonitors.h"
#include "platform/freedesktop/PanelPlacement.h"
#include "platform/gnome/GnomeHoldSource.h"
#include "platform/gnome/GnomeWorkspace.h"
#include "platform/gnome/PanelPlacer.h"
#include "platform/gnome/ShellExtensionBus.h"

namespace holdsheet {

// Shows, raises and activates the program's own windows through Qt, which is all a Wayland
// client may do: the shell decides whether the window comes to the front.
class QtWindowRaiser : public WindowRaiser {
  public:
    void bringToFront(QWidget& window) override;
};

// GNOME Shell on Wayland, through the program's Shell extension: the hold key, the focused
// window, the panel's place and keys. Without the extension the program still runs and the
// panel opens from 'holdsheet show', over no application.
class GnomeSession : public DesktopSession {
  public:
    GnomeSession(const DesktopEntryIndex& entries, OwnWindows own);
    ~GnomeSession() override;

    QString name() const override { return QStringLiteral("GNOME"); }
    EventMonitors& monitors() override { return monitors_; }
    Workspace& workspace() override { return workspace_; }
    KeyPoster& keyPoster() override { return poster_; }
    WindowRaiser& raiser() override { return raiser_; }
    bool compositing() const override { return true; }
    std::unique_ptr<SystemHotKeys> desktopHotKeys() override;
    QString start(PreferenceStore& store, Scheduler& scheduler) override;
    ShellExtensionState extensionState() const override { return extension_.state(); }
    QString extensionUuid() const override { return extension_.uuid(); }
    void beep() override { sound_.play("bell"); }
    void onExtensionStateChanged(std::function<void()> changed) override {
        stateChanged_ = std::move(changed);
    }

  private:
    void followPreferences();
    void focusChanged(const FocusedWindow& window);
    void askFocus();

    GnomeWorkspace workspace_;
    HeldKeyMonitors monitors_;
    ShellExtensionBus extension_;
    EventSound sound_;
    GnomeHoldSource holdSource_;
    GnomeKeyPoster poster_;
    QtWindowRaiser raiser_;
    PreferenceStore* store_ = nullptr;
    PreferenceStore::Subscription preferences_;
    std::unique_ptr<PanelPlacer> placer_;
    std::unique_ptr<PanelPlacement> placement_;
    std::function<void()> stateChanged_;
    bool ownWindowFocused_ = false;
};

// The same session's readers for the command line: the focused window through the
// extension, waited for at most ShellExtensionBus::callTimeoutMs.
class GnomeSessionReaders : public SessionReaders {
  public:
    // `entries` outlives the readers.
    explicit GnomeSessionReaders(const DesktopEntryIndex& entries) : entries_(entries) {}
    std::optional<pid_t> frontmostProcess() override;
    std::optional<RunningApplication> applicationOfProcess(pid_t pid) override;
    std::unique_ptr<SystemHotKeys> desktopHotKeys() override;

  private:
    std::optional<FocusedWindow> focus() const;
    const DesktopEntryIndex& entries_;
};

// The line for the log about an extension that does not serve, or empty.
QString shellExtensionTrouble(ShellExtensionState state, const QString& uuid);

}  // namespace holdsheet
