#include "platform/linux/ActiveWindow.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <memory>

namespace holdsheet {

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
struct XFreeDeleter {
    void operator()(unsigned char* data) const { XFree(data); }
};

// One CARDINAL or WINDOW value of a window property.
std::optional<unsigned long> cardinalProperty(Display* display, Window window, const char* name,
                                              Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* raw = nullptr;
    const Atom property = XInternAtom(display, name, True);
    if (property == None ||
        XGetWindowProperty(display, window, property, 0, 1, False, type, &actualType, &format,
                           &count, &remaining, &raw) != Success) {
        return std::nullopt;
    }
    std::unique_ptr<unsigned char, XFreeDeleter> data(raw);
    if (actualType != type || format != 32 || count < 1 || !data) {
        return std::nullopt;
    }
    // Format-32 properties come back as arrays of long.
    return *reinterpret_cast<unsigned long*>(data.get());
}

// A window that vanished between the two reads raises BadWindow; Xlib's default handler
// would end the process.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

std::optional<pid_t> activeWindowPid() {
    std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) {
        return std::nullopt;
    }
    const auto previous = XSetErrorHandler(ignoreErrors);
    struct Restore {
        decltype(previous) handler;
        ~Restore() { XSetErrorHandler(handler); }
    } restore{previous};
    const auto window = cardinalProperty(display.get(), DefaultRootWindow(display.get()),
                                         "_NET_ACTIVE_WINDOW", XA_WINDOW);
    if (!window || *window == None) {
        return std::nullopt;
    }
    const auto pid =
        cardinalProperty(display.get(), static_cast<Window>(*window), "_NET_WM_PID", XA_CARDINAL);
    if (!pid || *pid == 0) {
        return std::nullopt;
    }
    return static_cast<pid_t>(*pid);
}

}  // namespace holdsheet
