#include "platform/x11/EwmhWorkspace.h"

#include "platform/posix/ProcessName.h"

#include <QIcon>

#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace holdsheet {

namespace {

// The largest icon of _NET_WM_ICON up to 128 pixels.
QImage windowIcon(Display* display, Window window, Atom property) {
    const auto data = cardinals(display, window, property, XA_CARDINAL, 1 << 20);
    QImage best;
    for (std::size_t i = 0; i + 2 <= data.size();) {
        const auto width = data[i], height = data[i + 1];
        if (width == 0 || height == 0 || width * height > data.size() - i - 2) {
            break;
        }
        if (width <= 128 && height <= 128 && static_cast<int>(width) > best.width()) {
            QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
            for (unsigned long p = 0; p < width * height; ++p) {
                image.setPixel(static_cast<int>(p % width), static_cast<int>(p / width),
                               static_cast<QRgb>(data[i + 2 + p]));
            }
            best = image;
        }
        i += 2 + width * height;
    }
    return best;
}

}  // namespace

EwmhWorkspace::EwmhWorkspace(const DesktopEntryIndex& desktopEntries)
    : desktopEntries_(desktopEntries) {
    if (!x11_.isOpen()) {
        return;
    }
    XSelectInput(x11_.display(), x11_.root(), PropertyChangeMask);
    const Atom active = x11_.atom("_NET_ACTIVE_WINDOW");
    x11_.onEvent([this, active](XEvent& event) {
        if (event.type != PropertyNotify || event.xproperty.atom != active) {
            return;
        }
        observers_.announce(frontmostApplication());
    });
    XFlush(x11_.display());
}

std::optional<RunningApplication> EwmhWorkspace::frontmostApplication() {
    if (!x11_.isOpen()) {
        return std::nullopt;
    }
    const auto active =
        cardinals(x11_.display(), x11_.root(), x11_.atom("_NET_ACTIVE_WINDOW"), XA_WINDOW);
    Window window = active.empty() ? None : static_cast<Window>(active.front());
    if (window == None) {
        int revert = 0;
        XGetInputFocus(x11_.display(), &window, &revert);  // no window manager says
        if (window == PointerRoot) {
            window = None;
        }
    }
    return window == None ? std::nullopt : applicationOf(window);
}

std::optional<RunningApplication> EwmhWorkspace::applicationOf(unsigned long window) {
    Display* display = x11_.display();
    const auto pid = cardinals(display, window, x11_.atom("_NET_WM_PID"), XA_CARDINAL);
    if (pid.empty() || pid.front() == 0) {
        return std::nullopt;
    }
    RunningApplication app;
    app.pid = static_cast<pid_t>(pid.front());
    app.window = window;
    const Atom utf8 = x11_.atom("UTF8_STRING");
    app.applicationId =
        QString::fromUtf8(bytesProperty(display, window, x11_.atom("_GTK_APPLICATION_ID"), utf8));
    QString wmClass;
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint)) {
        wmClass = QString::fromLocal8Bit(hint.res_class ? hint.res_class : "");
        const QString instance = QString::fromLocal8Bit(hint.res_name ? hint.res_name : "");
        for (const QString& name : {instance, wmClass}) {
            if (!name.isEmpty() && !app.windowClasses.contains(name)) {
                app.windowClasses << name;
            }
        }
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    if (app.applicationId.isEmpty()) {
        app.applicationId = wmClass;
    }
    const auto entries = desktopEntries_.entries();
    const auto entry = entries ? entries->find(app.applicationId, app.windowClasses) : std::nullopt;
    app.name = entry ? entry->name : !wmClass.isEmpty() ? wmClass : processName(app.pid);
    app.icon = windowIcon(display, window, x11_.atom("_NET_WM_ICON"));
    if (app.icon.isNull() && entry && !entry->icon.isEmpty()) {
        app.icon = QIcon::fromTheme(entry->icon).pixmap(64, 64).toImage();
    }
    return app;
}

std::optional<RunningApplication> EwmhWorkspace::applicationOfProcess(pid_t pid) {
    if (!x11_.isOpen()) {
        return std::nullopt;
    }
    Display* display = x11_.display();
    const Atom pidAtom = x11_.atom("_NET_WM_PID");
    auto ownedBy = [&](unsigned long window) {
        const auto owner = cardinals(display, window, pidAtom, XA_CARDINAL);
        return !owner.empty() && static_cast<pid_t>(owner.front()) == pid;
    };
    // Its active window first, as the panel would see it; else its first managed window.
    auto windows = cardinals(display, x11_.root(), x11_.atom("_NET_ACTIVE_WINDOW"), XA_WINDOW);
    const auto clients =
        cardinals(display, x11_.root(), x11_.atom("_NET_CLIENT_LIST"), XA_WINDOW, 4096);
    windows.insert(windows.end(), clients.begin(), clients.end());
    for (const unsigned long window : windows) {
        if (window != None && ownedBy(window)) {
            return applicationOf(window);
        }
    }
    return std::nullopt;
}

pid_t EwmhWorkspace::ownPid() {
    return getpid();
}

std::unique_ptr<Workspace::Observation> EwmhWorkspace::observeActivations(
    ActivationObserver observer) {
    return observers_.add(std::move(observer));
}

void EwmhWorkspace::activate(const RunningApplication& application) {
    if (!x11_.isOpen() || application.window == 0) {
        return;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(application.window);
    event.xclient.message_type = x11_.atom("_NET_ACTIVE_WINDOW");
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;  // a pager-like request: the window manager obeys at once
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x11_.display(), x11_.root(), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(x11_.display());
}

}  // namespace holdsheet
