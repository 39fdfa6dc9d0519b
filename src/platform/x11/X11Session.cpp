#include "platform/x11/X11Session.h"

#include "platform/posix/IniPreferenceStore.h"
#include "platform/x11/ActiveWindow.h"
#include "platform/x11/DesktopHotKeys.h"
#include "platform/x11/HoldKeyConflict.h"
#include "platform/x11/RunningDesktop.h"
#include "prefs/Preferences.h"

#include <QApplication>

namespace holdsheet {

namespace {

bool compositorRuns() {
    const X11Connection probe;
    return compositingManagerRunning(probe);
}

}  // namespace

X11Session::X11Session(const DesktopEntryIndex& entries, OwnWindows own)
    : workspace_(entries),
      monitors_(std::move(own.panelHoldsKeyboard), std::move(own.isOwnWindow)),
      compositing_(compositorRuns()) {}

QString X11Session::start(PreferenceStore& store, Scheduler&) {
    warnOfDesktopSuperKey(Preferences(store).holdKey(), IniPreferenceStore::defaultPath(),
                          runningDesktop());
    return {};
}

void X11Session::beep() {
    QApplication::beep();  // the X server's bell, as the user set it
}

std::unique_ptr<SystemHotKeys> X11Session::desktopHotKeys() {
    return holdsheet::desktopHotKeys(runningDesktop());
}

std::optional<pid_t> X11SessionReaders::frontmostProcess() {
    return activeWindowPid();
}

std::optional<RunningApplication> X11SessionReaders::applicationOfProcess(pid_t pid) {
    EwmhWorkspace workspace(entries_);
    return workspace.applicationOfProcess(pid);
}

std::unique_ptr<SystemHotKeys> X11SessionReaders::desktopHotKeys() {
    return holdsheet::desktopHotKeys(runningDesktop());
}

}  // namespace holdsheet
