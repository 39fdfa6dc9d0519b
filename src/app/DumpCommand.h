#pragma once

#include <QStringList>

namespace holdsheet {

// `holdsheet dump`: the cheat sheet of one application on standard output. Returns the
// process exit code.
int runDump(const QStringList& arguments);

extern const char* const dumpUsage;

}  // namespace holdsheet
