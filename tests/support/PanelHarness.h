#pragma once

#include "harvest/SheetLoader.h"
#include "panel/PanelController.h"
#include "prefs/Localization.h"
#include "support/FakeAccessibility.h"
#include "support/FakeDesktop.h"
#include "support/MemoryPreferenceStore.h"
#include "support/VirtualScheduler.h"

namespace holdsheet::testing {

class NoHotKeys : public SystemHotKeys {
  public:
    std::optional<ValueTree> symbolicHotKeys() override { return std::nullopt; }
};

inline const RunningApplication editor{101, "org.example.Editor", "Editor", QImage(), 1, {}};
inline const RunningApplication viewer{202, "org.example.Viewer", "Viewer", QImage(), 2, {}};

// A panel controller on the simulated desktop, with two applications that have menus and
// the editor in front.
struct PanelHarness {
    PanelHarness()
        : localization(store, {[] { return QStringList{"en"}; }, [] { return QLocale("en_US"); }}),
          loader(scheduler, ax, store, hotKeys, localization),
          controller({scheduler, workspace, monitors, screens, store, loader}, [this](SheetModel&) {
              auto panel = std::make_unique<FakePanelWindow>();
              window = panel.get();
              ++panelsMade;
              return panel;
          }) {
        for (const auto& app : {editor, viewer}) {
            ax.menuBar(app.pid).menu(app.name + " Menu").item("Open").key("o");
        }
        workspace.front = editor;
    }

    bool panelVisible() const { return window && window->visible; }

    VirtualScheduler scheduler;
    FakeAccessibility ax;
    MemoryPreferenceStore store;
    NoHotKeys hotKeys;
    Localization localization;
    SheetLoader loader;
    FakeWorkspace workspace;
    FakeMonitors monitors;
    FakeScreens screens;
    FakePanelWindow* window = nullptr;
    int panelsMade = 0;
    PanelController controller;
};

}  // namespace holdsheet::testing
