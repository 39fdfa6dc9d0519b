#include "platform/x11/X11WindowRaiser.h"

#include <QApplication>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace holdsheet {

namespace {

constexpr long sourceApplication = 1;
const char* const stampProperty = "_HOLDSHEET_TIME_STAMP";

struct StampMatch {
    Window window;
    Atom property;
};

Bool isStampChange(Display*, XEvent* event, XPointer argument) {
    const auto* match = reinterpret_cast<const StampMatch*>(argument);
    return event->type == PropertyNotify && event->xproperty.window == match->window &&
                   event->xproperty.atom == match->property
               ? True
               : False;
}

}  // namespace

X11WindowRaiser::StampWindow::~StampWindow() {
    if (display && id != 0) {
        XDestroyWindow(display, id);
    }
}

X11WindowRaiser::X11WindowRaiser() {
    if (!x11_.isOpen()) {
        return;
    }
    XSetWindowAttributes attributes{};
    attributes.event_mask = PropertyChangeMask;
    attributes.override_redirect = True;
    stamp_.display = x11_.display();
    stamp_.id =
        XCreateWindow(x11_.display(), x11_.root(), -1, -1, 1, 1, 0, CopyFromParent, InputOnly,
                      CopyFromParent, CWEventMask | CWOverrideRedirect, &attributes);
}

X11WindowRaiser::~X11WindowRaiser() = default;

unsigned long X11WindowRaiser::serverTime() {
    if (!x11_.isOpen() || stamp_.id == 0) {
        return CurrentTime;
    }
    Display* display = x11_.display();
    StampMatch match{stamp_.id, x11_.atom(stampProperty)};
    // Appending nothing changes nothing but still reports the change, with its time.
    XChangeProperty(display, match.window, match.property, XA_STRING, 8, PropModeAppend, nullptr,
                    0);
    // After the round trip the notification is in our queue: no waiting on the server.
    XSync(display, False);
    XEvent event;
    if (XCheckIfEvent(display, &event, isStampChange, reinterpret_cast<XPointer>(&match))) {
        return event.xproperty.time;
    }
    return CurrentTime;
}

void X11WindowRaiser::bringToFront(QWidget& window) {
    if (window.isMinimized()) {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    }
    window.raise();
    window.activateWindow();
    if (!x11_.isOpen() || !window.isVisible()) {
        return;
    }
    const QWidget* active = QApplication::activeWindow();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(window.winId());
    event.xclient.message_type = x11_.atom("_NET_ACTIVE_WINDOW");
    event.xclient.format = 32;
    event.xclient.data.l[0] = sourceApplication;
    event.xclient.data.l[1] = static_cast<long>(serverTime());
    event.xclient.data.l[2] = active ? static_cast<long>(active->winId()) : 0;
    XSendEvent(x11_.display(), x11_.root(), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(x11_.display());
}

}  // namespace holdsheet
