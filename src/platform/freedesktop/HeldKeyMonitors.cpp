#include "platform/freedesktop/HeldKeyMonitors.h"

#include "platform/freedesktop/Keysyms.h"
#include "prefs/HoldKeyFlag.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace holdsheet {

namespace {

quint64 flagsOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? ModifierFlag::shift : 0) |
           (modifiers & Qt::ControlModifier ? ModifierFlag::control : 0) |
           (modifiers & Qt::AltModifier ? ModifierFlag::option : 0) |
           (modifiers & Qt::MetaModifier ? ModifierFlag::command : 0);
}

}  // namespace

std::optional<EventMonitors::Token> HeldKeyMonitors::addGlobalMonitor(quint64 mask,
                                                                      GlobalHandler handler) {
    return monitors_.add(mask, std::move(handler), nullptr);
}

std::optional<EventMonitors::Token> HeldKeyMonitors::addLocalMonitor(quint64 mask,
                                                                     LocalHandler handler) {
    if (!filtering_ && QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
        filtering_ = true;
    }
    return monitors_.add(mask, nullptr, std::move(handler));
}

void HeldKeyMonitors::removeMonitor(Token token) {
    monitors_.remove(token);
}

void HeldKeyMonitors::holdKeyChanged(HeldKeyChange change, HoldKey key) {
    using Change = HeldKeyChange;
    switch (change) {
        case Change::pressed:
            flags_ = holdKeyFlag(key);
            monitors_.deliverGlobal({EventType::flagsChanged, 0, flags_});
            break;
        case Change::stillAlone:
            break;
        case Change::interrupted:
            // Its release will not be told: it counts as released with the other key, which
            // went where the keyboard is.
            if (panelHoldsKeyboard_ && panelHoldsKeyboard_()) {
                monitors_.deliverLocal({EventType::keyDown, -1, flags_});
            } else {
                monitors_.deliverGlobal({EventType::keyDown, -1, flags_});
            }
            flags_ = 0;
            monitors_.deliverGlobal({EventType::flagsChanged, 0, flags_});
            break;
        case Change::released:
            flags_ = 0;
            monitors_.deliverGlobal({EventType::flagsChanged, 0, flags_});
            break;
    }
}

void HeldKeyMonitors::focusTakenElsewhere() {
    monitors_.deliverGlobal({EventType::leftMouseDown, 0, flags_});
}

bool HeldKeyMonitors::eventFilter(QObject* watched, QEvent* event) {
    if (QApplication::activePopupWidget() || !watched->isWindowType()) {
        return false;  // a pop-up menu's keys and clicks are its own; only windows count
    }
    std::optional<InputEvent> input;
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            const quint32 symbol = key->nativeVirtualKey();  // the keysym, on Wayland too
            if (!isModifierKeysym(symbol)) {
                input = InputEvent{EventType::keyDown, virtualKeyOfKeysym(symbol),
                                   flagsOf(key->modifiers())};
            }
            break;
        }
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            input = InputEvent{mouse->button() == Qt::LeftButton    ? EventType::leftMouseDown
                               : mouse->button() == Qt::RightButton ? EventType::rightMouseDown
                                                                    : EventType::otherMouseDown,
                               0, flagsOf(mouse->modifiers())};
            break;
        }
        case QEvent::Wheel:
            input = InputEvent{EventType::scrollWheel, 0, 0};
            break;
        default:
            break;
    }
    return input && monitors_.deliverLocal(*input);
}

}  // namespace holdsheet
