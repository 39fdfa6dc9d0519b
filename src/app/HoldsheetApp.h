#pragma once

#include "app/AppDelegate.h"
#include "app/SettingsWindowController.h"
#include "app/StatusMenu.h"
#include "app/TourWindowController.h"
#include "app/WelcomeWindowController.h"
#include "export/ExportActions.h"
#include "export/ModalExportDialogs.h"
#include "harvest/Performer.h"
#include "harvest/SheetLoader.h"
#include "panel/PanelController.h"
#include "permissions/PermissionMonitor.h"
#include "permissions/ShellExtension.h"
#include "platform/DesktopSession.h"
#include "platform/freedesktop/AtspiAccessibility.h"
#include "platform/freedesktop/CompiledHelp.h"
#include "platform/freedesktop/DesktopEntryIndex.h"
#include "platform/freedesktop/FileManagerViewer.h"
#include "platform/freedesktop/GioApplications.h"
#include "platform/freedesktop/GioFileHandlers.h"
#include "platform/freedesktop/GtkAccelerators.h"
#include "platform/freedesktop/PaletteAppearance.h"
#include "platform/freedesktop/XdgAutostart.h"
#include "platform/posix/IniPreferenceStore.h"
#include "platform/posix/ProcProcessFacts.h"
#include "platform/posix/QtApplicationControl.h"
#include "platform/posix/QtProcessRunner.h"
#include "platform/posix/QtScheduler.h"
#include "platform/posix/QtScreens.h"
#include "platform/posix/SyslogLog.h"
#include "prefs/Localization.h"
#include "sheetview/MenuBuilder.h"
#include "trigger/HoldMonitor.h"

#include <QVariantMap>

namespace holdsheet {

class OverlayPanel;

// The running program: every adapter and singleton, declared in the order they depend on
// each other, so they are destroyed the other way round. The scheduler comes after what its
// background worker uses, and `shutDown` drains it before anything else is torn down; a
// worker that does not finish in time ends with the process instead.
class HoldsheetApp {
  public:
    // The adapters of the kind of session the program runs in.
    using SessionFactory = std::function<std::unique_ptr<DesktopSession>(
        const DesktopEntryIndex& entries, DesktopSession::OwnWindows own)>;

    explicit HoldsheetApp(const SessionFactory& makeSession);
    ~HoldsheetApp();
    HoldsheetApp(const HoldsheetApp&) = delete;
    HoldsheetApp& operator=(const HoldsheetApp&) = delete;

    // The launch sequence; the singletons are handed out from here on.
    void start();
    // Stops the trigger and polling, tears the panel down and drains background work, or
    // ends the process when that work does not end in time. Once.
    void shutDown();

    void show() { controller_.show(); }
    void hide() { controller_.hide(); }
    void reopen() { delegate_.applicationShouldHandleReopen(false); }
    void quit() { delegate_.quitApplication(); }
    QVariantMap status();

  private:
    WindowPlatform windowPlatform();
    std::unique_ptr<QWidget> makeSettingsView(std::function<void(double)> onHeight);
    QStringList openWindows() const;
    QWidget* panelContentView() const;
    void panelTakesKeyboard();
    void beep();
    void followExtension();

    // What background work uses: these outlive the scheduler.
    IniPreferenceStore store_;
    Localization localization_;
    AtspiAccessibility ax_;
    // Reads the launcher entries on a worker of its own, so that a reading never delays
    // a sheet's.
    QtScheduler entriesScheduler_;
    DesktopEntryIndex desktopEntries_;
    QtProcessRunner runner_;
    // Told by the session, so it outlives the session.
    ShellExtension extension_{runner_};
    std::unique_ptr<DesktopSession> session_;
    Workspace& workspace_;
    std::unique_ptr<SystemHotKeys> hotKeys_;
    ProcProcessFacts processFacts_;
    CompiledHelp help_;
    GtkAccelerators accelerators_;
    QtScheduler scheduler_;

    SheetLoader loader_;
    QtScreens screens_;
    GioFileHandlers fileHandlers_;
    FileManagerViewer fileViewer_;
    ModalExportDialogs exportDialogs_;
    OverlayPanel* panelWindow_ = nullptr;  // owned by the controller
    PermissionMonitor permission_;
    Performer performer_;
    PanelController controller_;
    HoldMonitor hold_;
    SyslogLog log_;
    XdgAutostart loginItems_;
    GioApplications applications_;
    SettingsWindowController settings_;
    WelcomeWindowController welcome_;
    TourWindowController tour_;
    MenuBuilder menus_;
    ExportActions export_;
    int beeps_ = 0;  // for Status: the one sound the program makes
    PaletteAppearance appearance_;
    QtApplicationControl application_;
    AppDelegate delegate_;
    StatusMenu statusMenu_;
    bool started_ = false;
};

}  // namespace holdsheet
