#pragma once

class QWidget;

namespace holdsheet {

// Puts one of the program's shown windows in front of every other application's windows
// and gives it the keyboard, even while another application is active: the window manager
// is asked to activate it as on a user's request. A minimised window is restored. A window
// the window manager has not mapped yet may be left to the manager's own placement.
class WindowRaiser {
  public:
    virtual ~WindowRaiser() = default;
    virtual void bringToFront(QWidget& window) = 0;
};

}  // namespace holdsheet
