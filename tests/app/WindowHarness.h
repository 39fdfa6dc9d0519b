#pragma once

#include "app/WindowPlatform.h"
#include "settings/SettingsHarness.h"
#include "support/FakeWindowRaiser.h"

#include <QScreen>
#include <QWidget>

#include <cstdlib>

namespace holdsheet::testing {

// The simulated platform the window controllers stand on.
struct WindowHarness : SettingsHarness {
    FakeWindowRaiser raiser;

    WindowPlatform platform() { return {store, localization, scheduler, raiser}; }

    // Centred on the screen's free area, give or take the decoration, whose size the window
    // manager tells only once the window shows.
    static bool centred(const QWidget& window) {
        const QSize decoration = window.frameGeometry().size() - window.size();
        const QPoint offset =
            window.frameGeometry().center() - window.screen()->availableGeometry().center();
        return std::abs(offset.x()) <= decoration.width() + 1 &&
               std::abs(offset.y()) <= decoration.height() + 1;
    }
};

}  // namespace holdsheet::testing
