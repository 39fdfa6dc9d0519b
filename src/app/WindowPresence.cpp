#include "app/WindowPresence.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace holdsheet {

namespace {
const char* const mainCapableProperty = "holdsheetMainCapable";
}  // namespace

WindowPresence::WindowPresence(Scheduler& scheduler, ActivationPolicy& policy, WindowRaiser& raiser)
    : scheduler_(scheduler), policy_(policy), raiser_(raiser) {}

void WindowPresence::bringToFront(QWidget& window) {
    policy_.setActivationPolicy(ActivationPolicy::Policy::regular);
    window.show();
    raiser_.bringToFront(window);
    scheduler_.post([this, alive = std::weak_ptr<int>(lifetime_), target = QPointer(&window)] {
        // Closed within the same turn: raising it again would reopen it.
        if (alive.expired() || !target || !target->isVisible()) {
            return;
        }
        raiser_.bringToFront(*target);
    });
}

void WindowPresence::releaseDockPresence(const QWidget& closing) {
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        if (window != &closing && window->isVisible() && canBecomeMain(*window)) {
            return;
        }
    }
    policy_.setActivationPolicy(ActivationPolicy::Policy::accessory);
}

void WindowPresence::markMainCapable(QWidget& window) {
    window.setProperty(mainCapableProperty, true);
}

bool WindowPresence::canBecomeMain(const QWidget& window) {
    return window.property(mainCapableProperty).toBool();
}

}  // namespace holdsheet
