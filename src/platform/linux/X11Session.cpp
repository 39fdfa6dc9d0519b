#include "platform/linux/X11Session.h"

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

}  // namespace holdsheet
