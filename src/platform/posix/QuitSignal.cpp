#include "platform/posix/QuitSignal.h"

#include "platform/posix/ImmediateExit.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <csignal>
#include <cstdint>
#include <cstdio>

#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace holdsheet {

namespace {

sigset_t quitSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    return set;
}

}  // namespace

QuitSignal::QuitSignal(std::chrono::milliseconds grace, std::function<void()> onQuit)
    : grace_(grace), onQuit_(std::move(onQuit)) {
    const sigset_t set = quitSignals();
    signalFd_ = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
    stopFd_ = eventfd(0, EFD_CLOEXEC);
    if (!ok()) {
        std::perror("holdsheet: signals");
        return;  // not blocked: they end the process as they would anyway
    }
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    watcher_ = std::thread([this] { watch(); });
}

QuitSignal::~QuitSignal() {
    if (watcher_.joinable()) {
        const std::uint64_t one = 1;
        if (write(stopFd_, &one, sizeof one) == sizeof one) {
            watcher_.join();
        } else {
            watcher_.detach();  // cannot be told to stop: let it go with the process
        }
    }
    for (const int fd : {signalFd_, stopFd_}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void QuitSignal::watch() {
    bool quitting = false;
    for (;;) {
        pollfd fds[] = {{stopFd_, POLLIN, 0}, {signalFd_, POLLIN, 0}};
        const int timeout = quitting ? static_cast<int>(grace_.count()) : -1;
        const int ready = poll(fds, 2, timeout);
        if (ready < 0) {
            continue;  // interrupted
        }
        if (fds[0].revents != 0) {
            return;  // the orderly end arrived
        }
        if (ready == 0 || (quitting && fds[1].revents != 0)) {
            // The main thread is stuck, or the user insists. It may be stuck in a write to
            // standard error, holding the stream: nothing here may wait for it.
            exitImmediately(0, ready == 0 ? "holdsheet: did not end in time; ending now\n"
                                          : "holdsheet: ending now\n");
        }
        signalfd_siginfo info{};
        if (read(signalFd_, &info, sizeof info) != sizeof info) {
            continue;
        }
        quitting = true;
        if (QCoreApplication* app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(app, onQuit_, Qt::QueuedConnection);
        }
    }
}

}  // namespace holdsheet
