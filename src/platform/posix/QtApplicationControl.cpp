#include "platform/posix/QtApplicationControl.h"

#include "platform/posix/ImmediateExit.h"

#include <QCoreApplication>

#include <string>
#include <thread>

namespace holdsheet {

void QtApplicationControl::terminate() {
    QCoreApplication::quit();
}

void QtApplicationControl::exitProcess(int status) {
    // Only reached when the orderly end did not come: whatever holds it may hold locks that
    // destructors, exit handlers and stdio would wait for.
    exitImmediately(status);
}

void QtApplicationControl::exitProcessAfter(std::chrono::milliseconds delay, int status) {
    // A thread of its own, not a timer: the event loop may have ended by then, and what holds
    // the process up may be the orderly teardown after it. Left running, it ends with the
    // process; it touches nothing the process tears down.
    const std::string notice = "holdsheet: still running " + std::to_string(delay.count()) +
                               " ms after quitting; ending now\n";
    std::thread([delay, status, notice] {
        std::this_thread::sleep_for(delay);
        exitImmediately(status, notice);
    }).detach();
}

}  // namespace holdsheet
