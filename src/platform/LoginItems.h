#pragma once

#include <QString>

#include <optional>

namespace holdsheet {

// Whether the desktop starts the program when the user logs in, and changing that.
class LoginItems {
  public:
    virtual ~LoginItems() = default;
    // Read from the desktop at each call: something else may have changed it.
    virtual bool enabled() const = 0;
    // Each gives the reason, in words for the log, when the desktop's state could not be
    // changed; the state is then as it was.
    virtual std::optional<QString> enable() = 0;
    virtual std::optional<QString> disable() = 0;
};

}  // namespace holdsheet
