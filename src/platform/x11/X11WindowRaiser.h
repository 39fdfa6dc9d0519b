#pragma once

#include "platform/WindowRaiser.h"
#include "platform/x11/X11Connection.h"

namespace holdsheet {

// Raises and activates through Qt, then asks the window manager over EWMH
// (_NET_ACTIVE_WINDOW, source: an application) with a time stamp fresh from the X server.
// Qt's own request carries the time of the last event Qt saw, which a manager that
// prevents focus stealing may find older than the user's last action elsewhere.
class X11WindowRaiser : public WindowRaiser {
  public:
    X11WindowRaiser();
    ~X11WindowRaiser() override;
    X11WindowRaiser(const X11WindowRaiser&) = delete;
    X11WindowRaiser& operator=(const X11WindowRaiser&) = delete;

    void bringToFront(QWidget& window) override;

  private:
    // The server's current time, read from a property change on a window of our own;
    // CurrentTime when the server does not say.
    unsigned long serverTime();

    X11Connection x11_;
    // An unmapped input-only window whose property changes carry the server's time;
    // destroyed before the connection closes.
    struct StampWindow {
        _XDisplay* display = nullptr;
        unsigned long id = 0;
        ~StampWindow();
    };
    StampWindow stamp_;
};

}  // namespace holdsheet
