#pragma once

#include "harvest/ShortcutModel.h"
#include "platform/Accessibility.h"
#include "platform/KeyPoster.h"
#include "platform/Scheduler.h"
#include "platform/Workspace.h"

#include <chrono>
#include <optional>

namespace holdsheet {

// Runs an item's command in the application its sheet was read from: after a short wait
// (the panel is fading out), that application is activated, then the menu item is pressed
// on the background worker or the key combination is posted.
class Performer {
  public:
    static constexpr std::chrono::milliseconds settleDelay{120};

    struct Platform {
        Scheduler& scheduler;
        Workspace& workspace;
        Accessibility& ax;
        KeyPoster& poster;
    };
    explicit Performer(Platform platform) : platform_(platform) {}

    void performItem(const ShortcutItem& item, const std::optional<RunningApplication>& target);

  private:
    Platform platform_;
};

}  // namespace holdsheet
