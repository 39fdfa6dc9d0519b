#pragma once

#include <QString>

namespace holdsheet {

// Lines for the system's log, where an administrator looks.
class SystemLog {
  public:
    virtual ~SystemLog() = default;
    virtual void log(const QString& line) = 0;
};

}  // namespace holdsheet
