#pragma once

#include "platform/ActivationPolicy.h"
#include "platform/PreferenceStore.h"
#include "platform/Scheduler.h"
#include "platform/WindowRaiser.h"

#include <memory>

class QWidget;

namespace holdsheet {

class Localization;

// What the window controllers are built on.
struct WindowPlatform {
    PreferenceStore& store;
    const Localization& localization;
    Scheduler& scheduler;
    ActivationPolicy& policy;
    WindowRaiser& raiser;
};

// The program's presence as an ordinary application while one of its main-capable windows
// (settings, welcome, tour) is open: bringing such a window to the front, and going back to
// accessory once the last of them closes.
class WindowPresence {
  public:
    WindowPresence(Scheduler& scheduler, ActivationPolicy& policy, WindowRaiser& raiser);

    // Regular policy, the window shown and raised; once more a turn later, when whatever
    // else this turn does (hiding the panel, closing another window) has settled. A window
    // closed or gone by then stays so.
    void bringToFront(QWidget& window);

    // Accessory policy unless a visible main-capable window other than `closing` remains.
    void releaseDockPresence(const QWidget& closing);

    // Main-capable windows keep the program regular; the overlay panel and menus do not.
    static void markMainCapable(QWidget& window);
    static bool canBecomeMain(const QWidget& window);

  private:
    Scheduler& scheduler_;
    ActivationPolicy& policy_;
    WindowRaiser& raiser_;
    // The task a turn later holds this weakly.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace holdsheet
