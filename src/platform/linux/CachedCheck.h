#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace holdsheet {

// The answer of a check that may block (a bus that does not answer), refreshed on a thread
// of its own, so that asking for it never blocks for long: the main thread reads it.
class CachedCheck {
  public:
    CachedCheck(std::function<int()> check, std::chrono::milliseconds period);
    // Stops the thread, waiting for it only briefly: one stuck in a call is left to end.
    ~CachedCheck();
    CachedCheck(const CachedCheck&) = delete;
    CachedCheck& operator=(const CachedCheck&) = delete;

    // The last answer; before the first one, waits for it at most `limit`.
    std::optional<int> value(std::chrono::milliseconds limit) const;
    // Asks for a fresh answer now rather than at the end of the period.
    void refresh();

  private:
    struct State;
    std::shared_ptr<State> state_;
};

}  // namespace holdsheet
