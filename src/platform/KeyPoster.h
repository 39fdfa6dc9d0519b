#pragma once

#include <cstdint>

namespace holdsheet {

// Posts one key-down and key-up to the application in front, carrying exactly these
// modifier flags (0x20000 Shift, 0x40000 Control, 0x80000 Alt, 0x100000 Super).
class KeyPoster {
  public:
    virtual ~KeyPoster() = default;
    virtual void postKeys(std::uint16_t keyCode, std::uint64_t flags) = 0;
};

}  // namespace holdsheet
