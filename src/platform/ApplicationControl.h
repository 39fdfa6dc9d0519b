#pragma once

#include <chrono>

namespace holdsheet {

// Ending the program: asking the event loop to finish (it does so after the current turn,
// so the caller gets control back), or ending the process on the spot.
class ApplicationControl {
  public:
    virtual ~ApplicationControl() = default;
    virtual void terminate() = 0;
    virtual void exitProcess(int status) = 0;
    // Ends the process once `delay` has passed, unless it ended before: whatever the main
    // thread does then, and whether the event loop still runs or not.
    virtual void exitProcessAfter(std::chrono::milliseconds delay, int status) = 0;
};

}  // namespace holdsheet
