#pragma once

#include "harvest/SheetLoader.h"
#include "panel/PanelWindow.h"
#include "panel/SheetModel.h"
#include "platform/EventMonitors.h"
#include "platform/PreferenceStore.h"
#include "platform/Scheduler.h"
#include "platform/Screens.h"
#include "platform/Workspace.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace holdsheet {

// Opens and closes the panel for one target application: resets the model, sizes the panel
// on the screen under the pointer, fades it, loads the sheet and watches for what closes it.
class PanelController {
  public:
    using PanelFactory = std::function<std::unique_ptr<PanelWindow>(SheetModel&)>;

    struct Platform {
        Scheduler& scheduler;
        Workspace& workspace;
        EventMonitors& monitors;
        Screens& screens;
        PreferenceStore& store;
        SheetLoader& loader;
    };

    static constexpr double screenMargin = 120;
    static constexpr double minimumWidth = 720;
    static constexpr double maximumWidth = 1240;
    static constexpr double chromeHeight = 118;
    static constexpr double minimumHeight = 260;
    static constexpr double offsetAboveCentre = 20;
    static constexpr double resizeThreshold = 1.0;
    static constexpr std::chrono::milliseconds heightDebounce{30};
    static constexpr std::chrono::milliseconds fadeIn{180};
    static constexpr std::chrono::milliseconds fadeOut{140};
    static constexpr int escapeKeyCode = 53;
    static constexpr quint64 clickMask = 0x200000A;
    static constexpr quint64 keyMask = 0x400;

    PanelController(Platform platform, PanelFactory makeWindow,
                    std::function<QString(const QString&)> localized = {});
    ~PanelController();
    PanelController(const PanelController&) = delete;
    PanelController& operator=(const PanelController&) = delete;

    void show();
    // Starts reading the frontmost application's sheet ahead of a showFromHold() that may
    // follow, so the panel opens with its sheet.
    void prefetch();
    // Forgets that read: the hold ended without showing.
    void dropPrefetch();
    // show() at the end of a hold: takes the read prefetch() started when it is for the same
    // application, else loads as show() does.
    void showFromHold();
    void hide();
    void commandReleased();
    void tearDown();

    SheetModel& model() { return model_; }
    const std::optional<RunningApplication>& targetApp() const { return targetApp_; }
    PanelWindow* panel() const { return panel_.get(); }
    double panelWidth() const { return panelWidth_; }

  private:
    struct LoadTask {
        bool cancelled = false;
    };
    // A read ahead: its sheet once in, or where to hand it when a showing waits for it.
    struct Prefetch {
        pid_t pid = 0;
        bool dropped = false;
        std::optional<ShortcutSheet> sheet;
        std::function<void(ShortcutSheet)> deliver;
    };

    void present(const std::shared_ptr<Prefetch>& read);

    PanelWindow& makePanel();
    void sizePanel(bool animated);
    void installMonitors();
    void removeMonitors();
    std::optional<Screens::Screen> targetScreen();
    void contentHeightChanged(double height);

    Platform platform_;
    PanelFactory makeWindow_;
    SheetModel model_;
    std::optional<RunningApplication> targetApp_;
    std::unique_ptr<PanelWindow> panel_;
    std::shared_ptr<LoadTask> loadTask_;
    std::shared_ptr<Prefetch> prefetch_;
    std::vector<QMetaObject::Connection> cancellables_;
    std::vector<EventMonitors::Token> monitors_;
    std::unique_ptr<Workspace::Observation> appSwitchObserver_;
    double panelWidth_ = 1100.0;
    double lastSizedHeight_ = 0.0;
    std::optional<double> lastHeightSeen_;
    std::shared_ptr<Scheduler::Delay> heightDelay_;
    // Closures hold this weakly: once the controller is gone they do nothing.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace holdsheet
