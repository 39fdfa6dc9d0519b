#pragma once

#include <QString>
#include <QStringList>

namespace holdsheet {

// Running other programs and opening addresses on the desktop.
class ProcessRunner {
  public:
    virtual ~ProcessRunner() = default;
    // Runs the program to its end with its output discarded; false when it cannot start.
    virtual bool run(const QString& program, const QStringList& arguments) = 0;
    // Opens an address (a web page); false when nothing opens it.
    virtual bool openUrl(const QString& address) = 0;
    // Starts a program and leaves it running; false when it is not installed or fails.
    virtual bool launch(const QString& program, const QStringList& arguments) = 0;
    // Whether the program is found on the search path.
    virtual bool isInstalled(const QString& program) = 0;
};

}  // namespace holdsheet
