#include "trigger/HoldMonitor.h"

#include "prefs/HoldKeyFlag.h"

static_assert(holdsheet::HoldMonitor::countedModifiers == 0x9E0000);

namespace holdsheet {

void HoldMonitor::start() {
    stop();
    std::weak_ptr<int> alive = lifetime_;
    auto flags = [this, alive](const InputEvent& event) {
        if (alive.lock()) {
            handleFlags(event.modifierFlags);
        }
    };
    auto cancel = [this, alive](const InputEvent&) {
        if (alive.lock()) {
            cancelPendingHold();
        }
    };
    auto& monitors = platform_.monitors;
    const std::optional<EventMonitors::Token> tokens[] = {
        monitors.addGlobalMonitor(flagsChangedMask, flags),
        monitors.addLocalMonitor(flagsChangedMask,
                                 [flags](const InputEvent& event) -> std::optional<InputEvent> {
                                     flags(event);
                                     return event;
                                 }),
        monitors.addGlobalMonitor(cancellingInputMask, cancel),
        monitors.addLocalMonitor(cancellingInputMask,
                                 [cancel](const InputEvent& event) -> std::optional<InputEvent> {
                                     cancel(event);
                                     return event;
                                 }),
    };
    for (const auto& token : tokens) {
        if (token) {
            monitors_.push_back(*token);
        }
    }
}

void HoldMonitor::stop() {
    for (auto token : monitors_) {
        platform_.monitors.removeMonitor(token);
    }
    monitors_.clear();
    cancelHoldTask();
    commandDown_ = false;
    tapClosePending_ = false;
}

void HoldMonitor::handleFlags(quint64 flags) {
    // Read at every change, so a newly chosen key counts from its next press.
    const Preferences prefs(platform_.store);
    const quint64 holdBit = holdKeyFlag(prefs.holdKey());
    if ((flags & countedModifiers) == holdBit) {
        if (commandDown_) {
            return;  // the same press seen twice
        }
        commandDown_ = true;
        if (!platform_.panel.panel() || prefs.closeOnRelease() || !panelVisible()) {
            beginHold();
        } else {
            tapClosePending_ = true;  // holding while the panel stays open never toggles it
        }
        return;
    }
    const bool tap = tapClosePending_;
    commandDown_ = false;
    cancelHoldTask();
    tapClosePending_ = false;
    if (flags & holdBit) {
        return;  // the key with another modifier: releasing that one starts a fresh hold
    }
    if (tap) {
        platform_.panel.hide();
    } else {
        platform_.panel.commandReleased();
    }
}

void HoldMonitor::cancelPendingHold() {
    cancelHoldTask();
    tapClosePending_ = false;
}

void HoldMonitor::beginHold() {
    cancelHoldTask();
    tapClosePending_ = false;
    std::weak_ptr<int> alive = lifetime_;
    holdTask_ = platform_.scheduler.after(Preferences(platform_.store).holdDelay(),
                                          [this, alive](bool cancelled) {
                                              // A cancelled hold still wakes, and ends here.
                                              if (cancelled || !alive.lock() || !commandDown_) {
                                                  return;
                                              }
                                              holdElapsed();
                                          });
    prefetchTask_ = platform_.scheduler.after(prefetchAfter, [this, alive](bool cancelled) {
        if (cancelled || !alive.lock() || !commandDown_ || panelVisible() || !mayActOnFront()) {
            return;  // a visible panel is closed by the hold: nothing to read
        }
        platform_.panel.prefetch();
    });
}

void HoldMonitor::holdElapsed() {
    holdTask_.reset();
    if (!mayActOnFront()) {
        platform_.panel.dropPrefetch();
        return;
    }
    if (panelVisible()) {
        platform_.panel.dropPrefetch();
        platform_.panel.hide();
    } else {
        platform_.panel.showFromHold();
    }
}

bool HoldMonitor::mayActOnFront() const {
    if (!platform_.ax.isProcessTrusted()) {
        return false;
    }
    const auto front = platform_.workspace.frontmostApplication();
    return !(front && front->isNamedIn(Preferences(platform_.store).excludedApps()));
}

void HoldMonitor::cancelHoldTask() {
    if (holdTask_) {
        holdTask_->cancel();
        holdTask_.reset();
    }
    if (prefetchTask_) {
        prefetchTask_->cancel();
        prefetchTask_.reset();
        platform_.panel.dropPrefetch();  // the hold ended without showing
    }
}

bool HoldMonitor::panelVisible() const {
    return platform_.panel.panel() && platform_.panel.panel()->isVisible();
}

}  // namespace holdsheet
