#pragma once

#include "platform/freedesktop/HeldKeyMonitors.h"
#include "platform/gnome/ShellExtensionCalls.h"
#include "prefs/StoredEnum.h"

#include <chrono>
#include <functional>
#include <optional>

namespace holdsheet {

// The hold key as GNOME Shell's extension reports it: press, release, and 'other' for
// another key or button going down meanwhile. The extension forgets its client whenever it
// is disabled (the shell does so while the screen is locked), so it is told the key again
// each time it comes back.
class GnomeHoldSource {
  public:
    using Changed = std::function<void(HeldKeyChange, HoldKey)>;

    GnomeHoldSource(ShellExtensionCalls& extension, Changed changed)
        : extension_(extension), changed_(std::move(changed)) {}

    // The key and delay of the preferences: told to the extension when they changed.
    void follow(HoldKey key, std::chrono::milliseconds holdDelay);
    // Whether the extension is on the bus now.
    void setPresent(bool present);
    // A HoldKey signal of the extension.
    void event(const QString& name);

  private:
    enum class State { up, pressed, interrupted };
    void tell();
    void cancel();

    ShellExtensionCalls& extension_;
    Changed changed_;
    std::optional<HoldKey> key_;
    std::chrono::milliseconds holdDelay_{0};
    bool present_ = false;
    State state_ = State::up;
};

// The key's name for SetHoldKey.
QString shellHoldKeyName(HoldKey key);

}  // namespace holdsheet
