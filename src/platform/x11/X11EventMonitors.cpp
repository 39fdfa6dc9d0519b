#include "platform/x11/X11EventMonitors.h"

#include "platform/freedesktop/KeyBindingParser.h"
#include "platform/freedesktop/Keysyms.h"

#include <QCoreApplication>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace holdsheet {

namespace {

quint64 flagsOf(unsigned int mods) {
    quint64 flags = 0;
    flags |= (mods & ShiftMask) ? ModifierFlag::shift : 0;
    flags |= (mods & LockMask) ? ModifierFlag::capsLock : 0;
    flags |= (mods & ControlMask) ? ModifierFlag::control : 0;
    flags |= (mods & Mod1Mask) ? ModifierFlag::option : 0;
    flags |= (mods & Mod2Mask) ? ModifierFlag::numericPad : 0;
    flags |= (mods & Mod4Mask) ? ModifierFlag::command : 0;
    return flags;
}

std::optional<EventType> buttonType(int button) {
    switch (button) {
        case 1:
            return EventType::leftMouseDown;
        case 3:
            return EventType::rightMouseDown;
        case 4:
        case 5:
        case 6:
        case 7:
            return EventType::scrollWheel;
        default:
            return EventType::otherMouseDown;
    }
}

}  // namespace

X11EventMonitors::X11EventMonitors(std::function<bool()> ownsKeyboard,
                                   std::function<bool(quint64)> isOwnWindow)
    : ownsKeyboard_(std::move(ownsKeyboard)), isOwnWindow_(std::move(isOwnWindow)) {
    Display* display = x11_.display();
    if (!display) {
        return;
    }
    int event = 0, error = 0;
    int major = 2, minor = 2;  // 2.0 loses events while another client holds a grab
    if (XQueryExtension(display, "XInputExtension", &xiOpcode_, &event, &error) &&
        XIQueryVersion(display, &major, &minor) == Success && (major > 2 || minor >= 2)) {
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
        XISetMask(bits, XI_RawButtonPress);
        XIEventMask mask{XIAllMasterDevices, sizeof(bits), bits};
        XISelectEvents(display, x11_.root(), &mask, 1);
    } else {
        xiOpcode_ = -1;
    }
    int xkbError = 0, xkbMajor = XkbMajorVersion, xkbMinor = XkbMinorVersion;
    if (XkbQueryExtension(display, nullptr, &xkbEvent_, &xkbError, &xkbMajor, &xkbMinor)) {
        XkbSelectEventDetails(display, XkbUseCoreKbd, XkbStateNotify, XkbModifierStateMask,
                              XkbModifierStateMask);
        XkbStateRec state{};
        if (XkbGetState(display, XkbUseCoreKbd, &state) == Success) {
            flags_ = flagsOf(state.mods);
        }
    } else {
        xkbEvent_ = -1;
    }
    x11_.onEvent([this](XEvent& e) { handle(e); });
    XFlush(display);
    if (QCoreApplication::instance()) {  // sees the presses Qt hands to our windows
        QCoreApplication::instance()->installEventFilter(this);
        filtering_ = true;
    }
}

X11EventMonitors::~X11EventMonitors() {
    if (filtering_ && QCoreApplication::instance()) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

std::optional<EventMonitors::Token> X11EventMonitors::addGlobalMonitor(quint64 mask,
                                                                       GlobalHandler handler) {
    if (xiOpcode_ < 0) {
        return std::nullopt;  // no XInput 2.2: the platform refuses
    }
    return monitors_.add(mask, std::move(handler), nullptr);
}

std::optional<EventMonitors::Token> X11EventMonitors::addLocalMonitor(quint64 mask,
                                                                      LocalHandler handler) {
    if (!filtering_ && QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
        filtering_ = true;
    }
    return monitors_.add(mask, nullptr, std::move(handler));
}

void X11EventMonitors::removeMonitor(Token token) {
    monitors_.remove(token);
}

quint32 X11EventMonitors::keysym(unsigned int keycode) const {
    return static_cast<quint32>(
        XkbKeycodeToKeysym(x11_.display(), static_cast<KeyCode>(keycode), 0, 0));
}

void X11EventMonitors::handle(XEvent& event) {
    Display* display = x11_.display();
    if (xkbEvent_ >= 0 && event.type == xkbEvent_) {
        const auto* xkb = reinterpret_cast<XkbEvent*>(&event);
        if (xkb->any.xkb_type == XkbStateNotify) {
            const quint64 flags = flagsOf(xkb->state.mods);
            if (flags != flags_) {
                flags_ = flags;
                monitors_.deliverGlobal({EventType::flagsChanged, 0, flags_});
            }
        }
        return;
    }
    if (event.type != GenericEvent || event.xcookie.extension != xiOpcode_ ||
        !XGetEventData(display, &event.xcookie)) {
        return;
    }
    const auto* raw = static_cast<const XIRawEvent*>(event.xcookie.data);
    const int type = event.xcookie.evtype;
    std::optional<InputEvent> input;
    if (type == XI_RawKeyPress || type == XI_RawKeyRelease) {
        const quint32 symbol = keysym(static_cast<unsigned int>(raw->detail));
        if (!isModifierKeysym(symbol) && (!ownsKeyboard_ || !ownsKeyboard_())) {
            input = InputEvent{type == XI_RawKeyPress ? EventType::keyDown : EventType::keyUp,
                               virtualKeyOfKeysym(symbol), flags_};
        }
    } else if (type == XI_RawButtonPress) {
        Window root = 0, child = 0;
        int rootX = 0, rootY = 0, x = 0, y = 0;
        unsigned int mask = 0;
        XQueryPointer(display, x11_.root(), &root, &child, &rootX, &rootY, &x, &y, &mask);
        if (!(isOwnWindow_ && child != None && isOwnWindow_(child)) && !isOwnPress(raw->time)) {
            if (auto kind = buttonType(raw->detail)) {
                input = InputEvent{*kind, 0, flags_};
            }
        }
    }
    XFreeEventData(display, &event.xcookie);
    if (input) {
        monitors_.deliverGlobal(*input);
    }
}

}  // namespace holdsheet
