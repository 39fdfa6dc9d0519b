#pragma once

#include "panel/PanelController.h"
#include "platform/Accessibility.h"
#include "platform/EventMonitors.h"
#include "platform/PreferenceStore.h"
#include "platform/Scheduler.h"
#include "platform/Workspace.h"
#include "prefs/Preferences.h"

#include <chrono>
#include <memory>
#include <vector>

namespace holdsheet {

// The trigger: the hold key (Super by default, or Control or Alt) held alone for the hold
// delay toggles the panel; a click, key press or scroll meanwhile cancels, so the key used
// in a shortcut never opens it. Released, it lets the controller close the panel when the
// user chose closing on release; otherwise a short tap of the key alone closes it.
class HoldMonitor {
  public:
    static constexpr quint64 countedModifiers = ModifierFlag::shift | ModifierFlag::control |
                                                ModifierFlag::option | ModifierFlag::command |
                                                ModifierFlag::function;
    static constexpr quint64 flagsChangedMask = 0x1000;
    static constexpr quint64 cancellingInputMask = 0x240040A;
    // From here on a hold reads the sheet ahead, so the panel opens with it. A shortcut's key
    // follows the modifier well within this (typing, 100–250 ms), so shortcuts read nothing;
    // even the shortest delay (500 ms) leaves the read a head start.
    static constexpr std::chrono::milliseconds prefetchAfter{300};

    struct Platform {
        EventMonitors& monitors;
        Scheduler& scheduler;
        PreferenceStore& store;
        Accessibility& ax;
        Workspace& workspace;
        PanelController& panel;
    };

    explicit HoldMonitor(Platform platform) : platform_(platform) {}
    ~HoldMonitor() { stop(); }
    HoldMonitor(const HoldMonitor&) = delete;
    HoldMonitor& operator=(const HoldMonitor&) = delete;

    void start();
    void stop();

    bool commandDown() const { return commandDown_; }
    bool tapClosePending() const { return tapClosePending_; }
    bool holding() const { return holdTask_ != nullptr; }
    std::size_t monitorCount() const { return monitors_.size(); }

  private:
    void handleFlags(quint64 flags);
    void cancelPendingHold();
    void beginHold();
    void holdElapsed();
    void cancelHoldTask();
    // Permission held and the application in front not excluded.
    bool mayActOnFront() const;
    bool panelVisible() const;

    Platform platform_;
    std::vector<EventMonitors::Token> monitors_;
    std::shared_ptr<Scheduler::Delay> holdTask_;
    std::shared_ptr<Scheduler::Delay> prefetchTask_;
    bool commandDown_ = false;
    bool tapClosePending_ = false;
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace holdsheet
