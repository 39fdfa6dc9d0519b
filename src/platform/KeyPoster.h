#pragma once

#include <cstdint>

namespace holdsheet {

// Posts one key-down and key-up to the application in front, carrying exactly these
// modifier flags (ModifierFlag).
class KeyPoster {
  public:
    virtual ~KeyPoster() = default;
    virtual void postKeys(std::uint16_t keyCode, std::uint64_t flags) = 0;
};

}  // namespace holdsheet
