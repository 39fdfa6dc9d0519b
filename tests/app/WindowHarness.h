#pragma once

#include "app/WindowPlatform.h"
#include "permissions/PermissionMonitor.h"
#include "prefs/Localization.h"
#include "support/FakeAccessibility.h"
#include "support/FakeRunner.h"
#include "support/FakeWindowRaiser.h"
#include "support/MemoryPreferenceStore.h"
#include "support/VirtualScheduler.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QScreen>
#include <QWidget>

#include <cstdlib>

namespace holdsheet::testing {

// The simulated platform the window controllers stand on: an English desktop.
struct WindowHarness {
    MemoryPreferenceStore store;
    Localization localization{
        store, {[] { return QStringList{QStringLiteral("en")}; }, [] { return QLocale("en"); }}};
    VirtualScheduler scheduler;
    FakeWindowRaiser raiser;
    FakeAccessibility ax;  // the permission held
    FakeRunner runner;
    PermissionMonitor permission{{ax, store, scheduler, runner}};

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

    static void runDeferredDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

}  // namespace holdsheet::testing
