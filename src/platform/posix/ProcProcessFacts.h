#pragma once

#include "platform/ProcessFacts.h"

#include <QString>

namespace holdsheet {

// Reads the facts from the process's folder under /proc: the program file it runs (exe) and
// its command line.
class ProcProcessFacts : public ProcessFacts {
  public:
    // The switch that has a browser engine build its accessibility tree from the start.
    static constexpr const char* forceAccessibility = "--force-renderer-accessibility";
    // Bytes of a command line looked at; the switch comes early in any real one.
    static constexpr qint64 commandLineLimit = 256 * 1024;

    // `procRoot` stands in for "/proc" in tests.
    explicit ProcProcessFacts(QString procRoot = QStringLiteral("/proc"))
        : root_(std::move(procRoot)) {}
    Facts of(pid_t pid) const override;

  private:
    QString root_;
};

}  // namespace holdsheet
