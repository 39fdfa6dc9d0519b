#pragma once

#include "platform/EventMonitors.h"
#include "platform/MonitorList.h"
#include "prefs/StoredEnum.h"

#include <QObject>

namespace holdsheet {

// What a Wayland desktop's own part tells of the hold key.
enum class HeldKeyChange {
    pressed,     // alone so far, as far as anyone can tell yet
    stillAlone,  // alone until now, for certain
    released,
    interrupted,  // another key or button joined it
};

// Input on a Wayland desktop, which shows an ordinary client no one else's input: global
// monitors hear only the hold key, as the desktop reports it (sway's bindings, GNOME Shell's
// extension): its press and release as flags changes, and another key or button joining it
// as a key press. A click elsewhere reaches the program as another window taking focus.
// Local monitors see the program's own windows' events through Qt.
class HeldKeyMonitors : public QObject, public EventMonitors {
  public:
    explicit HeldKeyMonitors(std::function<bool()> panelHoldsKeyboard)
        : panelHoldsKeyboard_(std::move(panelHoldsKeyboard)) {}

    std::optional<Token> addGlobalMonitor(quint64 mask, GlobalHandler handler) override;
    std::optional<Token> addLocalMonitor(quint64 mask, LocalHandler handler) override;
    void removeMonitor(Token token) override;

    // A change of the hold key `key`.
    void holdKeyChanged(HeldKeyChange change, HoldKey key);
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
