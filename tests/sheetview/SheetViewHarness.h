#pragma once

#include "panel/SheetModel.h"
#include "permissions/PermissionMonitor.h"
#include "permissions/ShellExtension.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "sheetview/SheetServices.h"
#include "support/FakeAccessibility.h"
#include "support/FakeRunner.h"
#include "support/MemoryPreferenceStore.h"
#include "support/VirtualScheduler.h"

#include "SheetSamples.h"

#include <QCoreApplication>

#include <vector>

namespace holdsheet::testing {

// The sheet's views on the simulated platform, in English, with the permission granted.
struct SheetViewHarness {
    SheetViewHarness()
        : localization(store, {[] { return QStringList{"en"}; }, [] { return QLocale("en_US"); }}),
          permission({ax, store, scheduler, runner}),
          services{store,
                   localization,
                   permission,
                   extension,
                   [this](const ShortcutItem& item) { ran.push_back(item.title); },
                   [this] { ++permissionRequests; },
                   {},
                   {}} {
        permission.startWatching();
    }

    void loaded(const ShortcutSheet& sheet) {
        model.setSheet(sheet);
        model.setLoading(false);
    }
    void setTrusted(bool trusted) { ax.setTrusted(trusted); }
    // Runs what the views put on the next turn of the event loop.
    static void settle() {
        for (int turn = 0; turn < 4; ++turn) {
            QCoreApplication::processEvents();
        }
    }

    VirtualScheduler scheduler;
    FakeAccessibility ax;
    MemoryPreferenceStore store;
    FakeRunner runner;
    Localization localization;
    PermissionMonitor permission;
    ShellExtension extension{runner};
    SheetModel model;
    std::vector<QString> ran;
    int permissionRequests = 0;
    SheetServices services;
};

}  // namespace holdsheet::testing
