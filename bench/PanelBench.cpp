// Times `Show` on a running Holdsheet: until the panel window is mapped, and until the
// sheet is stored. With "hold", times a Super hold posted through XTest instead: from the
// end of the hold delay (2 s by default) to the panel being mapped and its sheet stored.
// Usage: holdsheet_panel_bench RUNS [hold] (Holdsheet and the target must run).
#include "platform/freedesktop/DBusControl.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto answered = holdsheet::DBusControl::Answer::answered;

bool panelViewable(Display* display) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        return false;
    }
    bool viewable = false;
    for (unsigned int i = 0; i < count && !viewable; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::strcmp(name, "Holdsheet panel") == 0) {
                XWindowAttributes attributes{};
                viewable = XGetWindowAttributes(display, children[i], &attributes) &&
                           attributes.map_state == IsViewable;
            }
            XFree(name);
        }
    }
    XFree(children);
    return viewable;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 2;
    }
    std::vector<double> mapped, stored;
    if (argc > 2 && std::strcmp(argv[2], "hold") == 0) {
        const KeyCode super = XKeysymToKeycode(display, XK_Super_L);
        constexpr double holdDelayMs = 2000;
        for (int run = 0; run < runs; ++run) {
            holdsheet::DBusControl::call("Hide");
            while (panelViewable(display)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            XTestFakeKeyEvent(display, super, True, CurrentTime);
            XFlush(display);
            const auto start = Clock::now();
            bool isMapped = false, isStored = false;
            while (!isMapped || !isStored) {
                const double ms =
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                if (ms > 10000) {
                    std::fprintf(stderr, "the hold never opened the panel with its sheet\n");
                    return 1;
                }
                if (!isMapped && panelViewable(display)) {
                    isMapped = true;
                    mapped.push_back(ms - holdDelayMs);
                }
                // Visible only from the showing on, so "not loading" is this showing's sheet.
                QVariantMap status;
                if (!isStored && holdsheet::DBusControl::call("Status", &status) == answered &&
                    status.value("visible").toBool() && !status.value("loading").toBool()) {
                    isStored = true;
                    stored.push_back(ms - holdDelayMs);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            XTestFakeKeyEvent(display, super, False, CurrentTime);
            XFlush(display);
        }
        holdsheet::DBusControl::call("Hide");
        std::printf(
            "end of the hold delay to panel mapped: median %.1f ms; to sheet stored: median %.1f "
            "ms (%d runs)\n",
            median(mapped), median(stored), runs);
        XCloseDisplay(display);
        return 0;
    }
    for (int run = 0; run < runs; ++run) {
        holdsheet::DBusControl::call("Hide");
        while (panelViewable(display)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        const auto start = Clock::now();
        if (holdsheet::DBusControl::call("Show") != answered) {
            std::fprintf(stderr, "Holdsheet does not answer\n");
            return 1;
        }
        bool isMapped = false, isStored = false;
        while (!isMapped || !isStored) {
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (!isMapped && panelViewable(display)) {
                isMapped = true;
                mapped.push_back(ms);
            }
            QVariantMap status;
            if (!isStored && holdsheet::DBusControl::call("Status", &status) == answered &&
                !status.value("loading").toBool()) {
                isStored = true;
                stored.push_back(ms);
            }
            if (ms > 10000) {
                std::fprintf(stderr, "gave up after 10 s\n");
                return 1;
            }
        }
    }
    holdsheet::DBusControl::call("Hide");
    std::printf(
        "show to panel mapped: median %.1f ms; show to sheet stored: median %.1f ms (%d runs)\n",
        median(mapped), median(stored), runs);
    XCloseDisplay(display);
    return 0;
}
