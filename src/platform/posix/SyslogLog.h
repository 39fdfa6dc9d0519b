#pragma once

#include "platform/SystemLog.h"

namespace holdsheet {

// The system log (syslog, so the journal where one runs) and standard error, where a user
// who started the program from a terminal looks.
class SyslogLog : public SystemLog {
  public:
    void log(const QString& line) override;
};

}  // namespace holdsheet
