#pragma once

#include "platform/KeyPoster.h"

#include <QStringList>

namespace holdsheet {

// Posts key combinations on sway through wtype, which types as a virtual keyboard of its
// own: the keys the user holds on the real one do not mix in.
class SwayKeyPoster : public KeyPoster {
  public:
    void postKeys(std::uint16_t keyCode, std::uint64_t flags) override;
};

// wtype's arguments for a key and modifier flags; empty when the key has no name.
QStringList wtypeArguments(std::uint16_t keyCode, std::uint64_t flags);

}  // namespace holdsheet
