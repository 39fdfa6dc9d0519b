#include "platform/sway/SwayEventMonitors.h"

#include "platform/linux/ModifierKeys.h"
#include "platform/linux/X11EventMonitors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace holdsheet {

namespace {

quint64 flagOf(HoldKey key) {
    switch (key) {
        case HoldKey::control:
            return ModifierFlag::control;
        case HoldKey::alt:
            return ModifierFlag::option;
        case HoldKey::super:
            break;
    }
    return ModifierFlag::command;
}

quint64 flagsOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? ModifierFlag::shift : 0) |
           (modifiers & Qt::ControlModifier ? ModifierFlag::control : 0) |
           (modifiers & Qt::AltModifier ? ModifierFlag::option : 0) |
           (modifiers & Qt::MetaModifier ? ModifierFlag::command : 0);
}

}  // namespace

std::optional<EventMonitors::Token> SwayEventMonitors::addGlobalMonitor(quint64 mask,
                                                                        GlobalHandler handler) {
    monitors_.emplace(next_, Monitor{mask, std::move(handler), nullptr});
    return next_++;
}

std::optional<EventMonitors::Token> SwayEventMonitors::addLocalMonitor(quint64 mask,
                                                                       LocalHandler handler) {
    if (!filtering_ && QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
        filtering_ = true;
    }
    monitors_.emplace(next_, Monitor{mask, nullptr, std::move(handler)});
    return next_++;
}

void SwayEventMonitors::removeMonitor(Token token) {
    monitors_.erase(token);
}

void SwayEventMonitors::holdKeyChanged(SwayHoldKeys::Change change, HoldKey key) {
    using Change = SwayHoldKeys::Change;
    switch (change) {
        case Change::pressed:
            flags_ = flagOf(key);
            deliverGlobal({EventType::flagsChanged, 0, flags_});
            break;
        case Change::stillAlone:
            break;
        case Change::interrupted:
            // Its release will not be told: it counts as released with the other key, which
            // went where the keyboard is.
            if (panelHoldsKeyboard_ && panelHoldsKeyboard_()) {
                deliverLocal({EventType::keyDown, -1, flags_});
            } else {
                deliverGlobal({EventType::keyDown, -1, flags_});
            }
            flags_ = 0;
            deliverGlobal({EventType::flagsChanged, 0, flags_});
            break;
        case Change::released:
            flags_ = 0;
            deliverGlobal({EventType::flagsChanged, 0, flags_});
            break;
    }
}

void SwayEventMonitors::focusTakenElsewhere() {
    deliverGlobal({EventType::leftMouseDown, 0, flags_});
}

void SwayEventMonitors::deliverGlobal(const InputEvent& event) {
    auto copy = monitors_;  // a handler may remove monitors
    for (auto& [token, monitor] : copy) {
        if (monitor.global && (monitor.mask & maskOf(event.type)) && monitors_.contains(token)) {
            monitor.global(event);
        }
    }
}

bool SwayEventMonitors::eventFilter(QObject* watched, QEvent* event) {
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
    return input && deliverLocal(*input);
}

bool SwayEventMonitors::deliverLocal(const InputEvent& event) {
    auto copy = monitors_;
    for (auto& [token, monitor] : copy) {
        if (monitor.local && (monitor.mask & maskOf(event.type)) && monitors_.contains(token) &&
            !monitor.local(event)) {
            return true;
        }
    }
    return false;
}

}  // namespace holdsheet
