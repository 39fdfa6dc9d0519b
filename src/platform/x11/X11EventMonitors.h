#pragma once

#include "platform/EventMonitors.h"
#include "platform/MonitorList.h"
#include "platform/x11/X11Connection.h"

#include <QObject>

namespace holdsheet {

// Global monitors from XInput 2.2 raw events on the root window (seen even while another
// client holds a grab), modifier flags from XKB state events; local monitors from an event
// filter on the Qt application. Input that goes to the program's own windows is not global:
// `ownsKeyboard` says whether our panel holds the keyboard, `isOwnWindow` whether a window
// under the pointer is ours. A press that Qt hands to one of our windows, or that comes while
// one of our pop-up menus holds the pointer, is ours too, wherever the pointer is by the time
// the raw event is read: a click on a menu item closes the menu before that, often.
class X11EventMonitors : public QObject, public EventMonitors {
  public:
    X11EventMonitors(std::function<bool()> ownsKeyboard, std::function<bool(quint64)> isOwnWindow);
    ~X11EventMonitors() override;

    std::optional<Token> addGlobalMonitor(quint64 mask, GlobalHandler handler) override;
    std::optional<Token> addLocalMonitor(quint64 mask, LocalHandler handler) override;
    void removeMonitor(Token token) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void handle(_XEvent& event);
    // A pop-up of ours holds the pointer, or Qt already had this press or a later one.
    bool isOwnPress(unsigned long serverTime) const;
    quint32 keysym(unsigned int keycode) const;  // of group 0, level 0

    std::function<bool()> ownsKeyboard_;
    std::function<bool(quint64)> isOwnWindow_;
    X11Connection x11_;
    int xiOpcode_ = -1;
    int xkbEvent_ = -1;
    quint64 flags_ = 0;
    MonitorList monitors_;
    bool filtering_ = false;
    std::optional<quint64> lastOwnButtonTime_;  // X server time of a press or release Qt had
};

}  // namespace holdsheet
