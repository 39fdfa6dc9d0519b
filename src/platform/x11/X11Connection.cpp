#include "platform/x11/X11Connection.h"

#include <QAbstractEventDispatcher>
#include <QByteArray>
#include <QCoreApplication>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace holdsheet {

namespace {

// Windows vanish between two requests; Xlib's default handler would end the process.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

struct XFreeDeleter {
    void operator()(unsigned char* data) const { XFree(data); }
};

}  // namespace

bool displayCanBeOpened() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

X11Connection::X11Connection() : display_(XOpenDisplay(nullptr)) {
    if (!display_) {
        return;
    }
    XSetErrorHandler(ignoreErrors);
    notifier_ =
        std::make_unique<QSocketNotifier>(ConnectionNumber(display_.get()), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { drain(); });
    if (auto* dispatcher = QAbstractEventDispatcher::instance(QThread::currentThread())) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { drain(); });
    }
}

X11Connection::~X11Connection() = default;

void X11Connection::Closer::operator()(_XDisplay* display) const {
    XCloseDisplay(display);
}

unsigned long X11Connection::root() const {
    return display_ ? DefaultRootWindow(display_.get()) : 0;
}

unsigned long X11Connection::atom(const char* name) const {
    return display_ ? XInternAtom(display_.get(), name, False) : None;
}

void X11Connection::drain() {
    if (!display_) {
        return;
    }
    while (XPending(display_.get()) > 0) {
        XEvent event;
        XNextEvent(display_.get(), &event);
        if (handler_) {
            handler_(event);
        }
    }
}

bool compositingManagerRunning(const X11Connection& connection) {
    if (!connection.isOpen()) {
        return false;
    }
    const QByteArray name =
        "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(connection.display()));
    return XGetSelectionOwner(connection.display(), connection.atom(name.constData())) != None;
}

std::vector<unsigned long> cardinals(_XDisplay* display, unsigned long window,
                                     unsigned long property, unsigned long type, long maximum) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* raw = nullptr;
    if (XGetWindowProperty(display, window, property, 0, maximum, False, type, &actualType, &format,
                           &count, &remaining, &raw) != Success) {
        return {};
    }
    std::unique_ptr<unsigned char, XFreeDeleter> data(raw);
    if (actualType != type || format != 32 || !data) {
        return {};
    }
    // Format-32 items come back as longs, whatever the size of a long.
    const auto* items = reinterpret_cast<const unsigned long*>(data.get());
    return std::vector<unsigned long>(items, items + count);
}

QByteArray bytesProperty(_XDisplay* display, unsigned long window, unsigned long property,
                         unsigned long type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* raw = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 4096, False, type, &actualType, &format,
                           &count, &remaining, &raw) != Success) {
        return {};
    }
    std::unique_ptr<unsigned char, XFreeDeleter> data(raw);
    if (format != 8 || !data) {
        return {};
    }
    return QByteArray(reinterpret_cast<const char*>(data.get()), static_cast<qsizetype>(count));
}

}  // namespace holdsheet
