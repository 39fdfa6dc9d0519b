// The local half of X11EventMonitors: the program's own events from Qt. Kept apart from
// Xlib, whose macros (KeyPress, ButtonPress) collide with Qt's event names.
#include "platform/x11/X11EventMonitors.h"

#include "platform/freedesktop/Keysyms.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace holdsheet {

bool X11EventMonitors::isOwnPress(unsigned long serverTime) const {
    return QApplication::activePopupWidget() ||
           (lastOwnButtonTime_ && serverTime <= *lastOwnButtonTime_);
}

bool X11EventMonitors::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonRelease) &&
        watched->isWindowType()) {
        // On X11 a Qt input event's time stamp is the X server's, as the raw events' are.
        lastOwnButtonTime_ = static_cast<QInputEvent*>(event)->timestamp();
    }
    if (QApplication::activePopupWidget()) {
        return false;  // a pop-up menu is being used: its keys and clicks are its own
    }
    std::optional<InputEvent> input;
    switch (event->type()) {
        case QEvent::KeyPress: {
            const quint32 symbol = static_cast<QKeyEvent*>(event)->nativeVirtualKey();
            if (!isModifierKeysym(symbol)) {  // modifiers arrive as flags changes
                input = InputEvent{EventType::keyDown, virtualKeyOfKeysym(symbol), flags_};
            }
            break;
        }
        case QEvent::MouseButtonPress: {
            const auto button = static_cast<QMouseEvent*>(event)->button();
            input = InputEvent{button == Qt::LeftButton    ? EventType::leftMouseDown
                               : button == Qt::RightButton ? EventType::rightMouseDown
                                                           : EventType::otherMouseDown,
                               0, flags_};
            break;
        }
        case QEvent::Wheel:
            input = InputEvent{EventType::scrollWheel, 0, flags_};
            break;
        default:
            break;
    }
    // Qt hands an event to the filter once per receiver up the chain; only windows count.
    if (!input || !watched->isWindowType()) {
        return false;
    }
    return monitors_.deliverLocal(*input);
}

}  // namespace holdsheet
