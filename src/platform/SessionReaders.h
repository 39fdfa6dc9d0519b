#pragma once

#include "platform/SystemHotKeys.h"
#include "platform/Workspace.h"

#include <memory>
#include <optional>

#include <sys/types.h>

namespace holdsheet {

// What reading a sheet from the command line needs of the session, without a window of its
// own: the application in front, an application's name, the desktop's bindings.
class SessionReaders {
  public:
    virtual ~SessionReaders() = default;
    // The process of the window in front; none when no window is.
    virtual std::optional<pid_t> frontmostProcess() = 0;
    // The application as the session names it while one of its windows shows.
    virtual std::optional<RunningApplication> applicationOfProcess(pid_t pid) = 0;
    virtual std::unique_ptr<SystemHotKeys> desktopHotKeys() = 0;
};

}  // namespace holdsheet
