#pragma once

#include "platform/EventMonitors.h"
#include "platform/MonitorList.h"
#include "platform/sway/SwayHoldKeys.h"

#include <QObject>

namespace holdsheet {

// Input on sway. The compositor shows an ordinary client no one else's input, so global
// monitors hear only the hold key, through the bindings of SwayHoldKeys: its press and
// release as flags changes, and another key or button joining it as a key press. A click
// elsewhere reaches the program as another window taking focus (a workspace activation).
// Local monitors see the program's own windows' events through Qt.
class SwayEventMonitors : public QObject, public EventMonitors {
  public:
    explicit SwayEventMonitors(std::function<bool()> panelHoldsKeyboard)
        : panelHoldsKeyboard_(std::move(panelHoldsKeyboard)) {}

    std::optional<Token> addGlobalMonitor(quint64 mask, GlobalHandler handler) override;
    std::optional<Token> addLocalMonitor(quint64 mask, LocalHandler handler) override;
    void removeMonitor(Token token) override;

    // A change of the hold key `key`, as SwayHoldKeys reports it.
    void holdKeyChanged(SwayHoldKeys::Change change, HoldKey key);
    // Another application's window took the focus from the program's: a click elsewhere, as
    // far as anyone can tell (the compositor shows no one else's clicks).
    void focusTakenElsewhere();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<bool()> panelHoldsKeyboard_;
    MonitorList monitors_;
    bool filtering_ = false;
    quint64 flags_ = 0;  // of the hold key only: the compositor tells nothing of the others
};

}  // namespace holdsheet
