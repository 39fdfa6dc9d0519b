#pragma once

#include "platform/KeyCodes.h"

#include <QtGlobal>

#include <functional>
#include <optional>

namespace holdsheet {

// The kinds of input the program watches, in its own terms: each session translates what its
// desktop reports (XInput 2 events, sway's binding events, GNOME Shell's signals) into these.
// A mask has bit (1 << type) per type.
enum class EventType : int {
    leftMouseDown = 1,
    rightMouseDown = 3,
    keyDown = 10,
    keyUp = 11,
    flagsChanged = 12,
    scrollWheel = 22,
    otherMouseDown = 25,
};
constexpr quint64 maskOf(EventType type) {
    return quint64{1} << static_cast<int>(type);
}

struct InputEvent {
    EventType type = EventType::keyDown;
    int keyCode = 0;  // virtual key code of the key-naming tables
    quint64 modifierFlags = 0;
};

// Watching input. Global monitors see events that go to other applications; local monitors
// see the program's own events and may swallow them. Handlers run on the main thread.
class EventMonitors {
  public:
    using Token = int;
    using GlobalHandler = std::function<void(const InputEvent&)>;
    // Returns the event to let it through, or none to swallow it.
    using LocalHandler = std::function<std::optional<InputEvent>(const InputEvent&)>;

    virtual ~EventMonitors() = default;
    // None when the platform refuses the monitor.
    virtual std::optional<Token> addGlobalMonitor(quint64 mask, GlobalHandler handler) = 0;
    virtual std::optional<Token> addLocalMonitor(quint64 mask, LocalHandler handler) = 0;
    virtual void removeMonitor(Token token) = 0;
};

}  // namespace holdsheet
