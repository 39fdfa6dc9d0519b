#include "trigger/HoldMonitor.h"

#include <cmath>

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

std::chrono::milliseconds HoldMonitor::holdDelay(const PreferenceStore& store) {
    double level = defaultHoldLevel;
    if (const auto value = store.object(QStringLiteral("holdLevel"));
        value && value->metaType() == QMetaType::fromType<double>()) {
        level = value->toDouble();
    }
    const double rounded = std::round(level);  // halves away from zero
    if (!(rounded < 26)) {
        return std::chrono::milliseconds(7000);  // 26 or more, or not a number
    }
    return std::chrono::milliseconds(static_cast<long>(std::max(rounded, 0.0) * 250 + 500));
}

quint64 HoldMonitor::holdKeyBit(HoldKey key) {
    switch (key) {
        case HoldKey::control:
            return ModifierFlag::control;
        case HoldKey::alt:
            return ModifierFlag::option;
        case HoldKey::super:
            break;
    }
    return ModifierFlag::command;
}

void HoldMonitor::handleFlags(quint64 flags) {
    // Read at every change, so a newly chosen key counts from its next press.
    const quint64 holdBit = holdKeyBit(Preferences(platform_.store).holdKey());
    if ((flags & countedModifiers) == holdBit) {
        if (commandDown_) {
            return;  // the same press seen twice
        }
        commandDown_ = true;
        const bool closeOnRelease = platform_.store.boolean(QStringLiteral("closeOnRelease"));
        if (!platform_.panel.panel() || closeOnRelease || !panelVisible()) {
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
    holdTask_ =
        platform_.scheduler.after(holdDelay(platform_.store), [this, alive](bool cancelled) {
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
    const QStringList excluded =
        platform_.store.stringList(QStringLiteral("excludedApps")).value_or(QStringList());
    return !(front && front->isNamedIn(excluded));
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
