#pragma once

#include "platform/KeyPoster.h"
#include "platform/x11/X11Connection.h"

namespace holdsheet {

// Posts key combinations with XTest: the modifier keys the user holds are released first
// (a held Super would spoil the combination), then the flags' modifiers are pressed around
// the key. A key the current keyboard map lacks posts nothing.
class XTestKeyPoster : public KeyPoster {
  public:
    void postKeys(std::uint16_t keyCode, std::uint64_t flags) override;

  private:
    X11Connection x11_;
};

}  // namespace holdsheet
