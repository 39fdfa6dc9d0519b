#pragma once

#include <QByteArray>

#include <chrono>
#include <future>
#include <optional>

namespace holdsheet {

// Qt's own accessibility bridge (which makes our windows readable by screen readers)
// connects to the accessibility bus on the main thread, waiting up to 25 s for each of its
// handshakes: a daemon that is stopped would freeze the program for most of a minute. So
// whether the bus answers is asked first, off the main thread and with a short deadline;
// when it does not, Qt's bridge is started pointed at no bus, which costs screen-reader
// users our windows until the next start (Qt offers no way to start its bridge again).
class QtAccessibilityBridge {
  public:
    // Starts the check. Before the QApplication is made, as early as may be.
    explicit QtAccessibilityBridge(std::chrono::milliseconds limit);
    ~QtAccessibilityBridge();
    QtAccessibilityBridge(const QtAccessibilityBridge&) = delete;
    QtAccessibilityBridge& operator=(const QtAccessibilityBridge&) = delete;

    // Just before the QApplication is made: waits for the check, at most its deadline.
    void beforeApplication();
    // Just after: starts Qt's bridge now, where the check decided, and puts the environment
    // back as it was for our own reads and for the programs we start.
    void afterApplication();
    // Whether Qt's bridge was kept off the bus.
    bool keptOff() const { return keptOff_; }

  private:
    void restoreEnvironment();
    std::chrono::milliseconds limit_;
    std::future<bool> stalled_;
    bool keptOff_ = false;
    bool environmentRestored_ = false;
    std::optional<QByteArray> savedAddress_;
};

}  // namespace holdsheet
