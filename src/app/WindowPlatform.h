#pragma once

#include "platform/PreferenceStore.h"
#include "platform/Scheduler.h"
#include "platform/WindowRaiser.h"

namespace holdsheet {

class Localization;

// What the window controllers are built on.
struct WindowPlatform {
    PreferenceStore& store;
    const Localization& localization;
    Scheduler& scheduler;
    WindowRaiser& raiser;
};

}  // namespace holdsheet
