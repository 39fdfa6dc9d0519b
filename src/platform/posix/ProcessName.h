#pragma once

#include <QString>

#include <sys/types.h>

namespace holdsheet {

// A name for a process when nothing better names it: its command name (/proc/PID/comm),
// else "process PID" once it has gone.
QString processName(pid_t pid);

}  // namespace holdsheet
