#include "platform/linux/QtApplicationControl.h"

#include <QCoreApplication>

#include <cstdio>

#include <unistd.h>

namespace holdsheet {

void QtApplicationControl::terminate() {
    QCoreApplication::quit();
}

void QtApplicationControl::exitProcess(int status) {
    // Only reached when the event loop did not end: whatever holds it may hold locks that
    // destructors and exit handlers would wait for.
    std::fflush(nullptr);
    ::_exit(status);
}

}  // namespace holdsheet
