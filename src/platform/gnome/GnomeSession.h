#pragma once

#include "platform/DesktopSession.h"
#include "platform/SessionReaders.h"
#include "platform/freedesktop/DesktopEntryIndex.h"
#include "platform/freedesktop/HeldKeyMonitors.h"
#include "platform/gnome/GnomeHoldSource.h"
#include "platform/gnome/GnomeWorkspace.h"
#include "platform/gnome/PanelPlacer.h"
#include "platform/gnome/ShellExtensionBus.h"

#include <QObject>

namespace holdsheet {

// Shows, raises and activates the program's own windows through Qt, which is all a Wayland
// client may do: the shell decides whether the window comes to the front.
class QtWindowRaiser : public WindowRaiser {
  public:
    void bringToFront(QWidget& window) override;
};

// Hands the panel's place to the extension whenever it shows, grows or moves: a Wayland
// client cannot place its own window, nor keep it above or focus it.
class GnomePanelPlacement : public QObject {
  public:
    explicit GnomePanelPlacement(PanelPlacer& placer) : placer_(placer) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PanelPlacer& placer_;
};

// GNOME Shell on Wayland, through the program's Shell extension: the hold key, the focused
// window, the panel's place and keys. Without the extension the program still runs and the
// panel opens from 'holdsheet show', over no application.
class GnomeSession : public DesktopSession {
  public:
    static inline const QString panelTitle = QStringLiteral("Holdsheet panel");

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
    GnomeHoldSource holdSource_;
    GnomeKeyPoster poster_;
    QtWindowRaiser raiser_;
    PreferenceStore* store_ = nullptr;
    PreferenceStore::Subscription preferences_;
    std::unique_ptr<PanelPlacer> placer_;
    std::unique_ptr<GnomePanelPlacement> placement_;
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
