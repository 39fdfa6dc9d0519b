#include "panel/PanelController.h"

#include "prefs/Preferences.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace holdsheet {

PanelController::PanelController(Platform platform, PanelFactory makeWindow,
                                 std::function<QString(const QString&)> localized)
    : platform_(platform), makeWindow_(std::move(makeWindow)), model_(std::move(localized)) {}

PanelController::~PanelController() {
    tearDown();
}

void PanelController::show() {
    dropPrefetch();
    present(nullptr);
}

void PanelController::showFromHold() {
    const auto read = std::exchange(prefetch_, nullptr);
    present(read);
    if (read) {
        read->dropped = !read->deliver;  // unless the showing waits for it, it is done with
    }
}

void PanelController::prefetch() {
    dropPrefetch();
    const auto front = platform_.workspace.frontmostApplication();
    if (!front || front->pid == platform_.workspace.ownPid()) {
        return;
    }
    auto read = std::make_shared<Prefetch>();
    read->pid = front->pid;
    prefetch_ = read;
    platform_.loader.loadGroups(read->pid, [read](ShortcutSheet sheet) {
        if (read->dropped) {
            return;
        }
        if (read->deliver) {
            std::exchange(read->deliver, nullptr)(std::move(sheet));
        } else {
            read->sheet = std::move(sheet);
        }
    });
}

void PanelController::dropPrefetch() {
    if (prefetch_) {
        prefetch_->dropped = true;
        prefetch_.reset();
    }
}

void PanelController::present(const std::shared_ptr<Prefetch>& read) {
    auto front = platform_.workspace.frontmostApplication();
    if (!front || front->pid == platform_.workspace.ownPid()) {
        return;  // never the program itself; nothing has changed
    }
    targetApp_ = front;
    if (loadTask_) {
        loadTask_->cancelled = true;
    }
    // In this order, before the panel shows: a view never sees the previous sheet under
    // the new name.
    model_.targetPID = front->pid;
    model_.setAppName(front->name);
    model_.setAppIcon(front->icon);
    model_.setSheet(std::nullopt);
    model_.setQuery(QString());
    model_.setLoading(true);
    model_.setContentHeight(SheetModel::initialContentHeight);

    PanelWindow& panel = makePanel();
    if (auto screen = targetScreen()) {
        panelWidth_ =
            std::clamp(screen->visibleFrame.width() - screenMargin, minimumWidth, maximumWidth);
    }
    lastSizedHeight_ = 0;
    sizePanel(false);
    panel.setAlpha(0, std::chrono::milliseconds(0));
    panel.orderFront();
    panel.setAlpha(1.0, fadeIn);
    installMonitors();

    std::weak_ptr<int> alive = lifetime_;
    platform_.scheduler.post([this, alive] {
        if (alive.lock() && panel_ && panel_->isVisible() && !panel_->isKey()) {
            panel_->makeKey();
        }
    });

    auto task = std::make_shared<LoadTask>();
    loadTask_ = task;
    const pid_t pid = front->pid;
    auto store = [this, alive, task, pid](ShortcutSheet sheet) {
        if (task->cancelled || !alive.lock() || model_.targetPID != pid) {
            return;  // superseded, closed, or the controller is gone
        }
        model_.setSheet(std::move(sheet));
        model_.setLoading(false);
    };
    if (read && !read->dropped && read->pid == pid) {
        if (read->sheet) {
            store(std::move(*read->sheet));
        } else {
            read->deliver = std::move(store);  // still reading: the sheet comes from there
        }
        return;
    }
    platform_.loader.loadGroups(pid, std::move(store));
}

void PanelController::hide() {
    if (!panel_ || !panel_->isVisible()) {
        return;
    }
    if (loadTask_) {
        loadTask_->cancelled = true;
    }
    removeMonitors();
    panel_->setAlpha(0, fadeOut);
    std::weak_ptr<int> alive = lifetime_;
    platform_.scheduler.after(fadeOut, [this, alive](bool) {
        // A showing during the fade raised the alpha again: then the panel stays.
        if (alive.lock() && panel_ && panel_->alpha() == 0.0) {
            panel_->orderOut();
        }
    });
}

void PanelController::commandReleased() {
    if (!panel_ || !panel_->isVisible()) {
        return;
    }
    if (!Preferences(platform_.store).closeOnRelease()) {
        return;
    }
    if (panel_->isEditingText()) {
        return;  // the user is typing in the search field
    }
    hide();
}

void PanelController::tearDown() {
    dropPrefetch();
    if (loadTask_) {
        loadTask_->cancelled = true;
    }
    removeMonitors();
    for (const auto& connection : cancellables_) {
        QObject::disconnect(connection);
    }
    cancellables_.clear();
    if (heightDelay_) {
        heightDelay_->cancel();
        heightDelay_.reset();
    }
    if (panel_) {
        panel_->orderOut();
        panel_->releaseContent();
        panel_.reset();
    }
}

PanelWindow& PanelController::makePanel() {
    if (!panel_) {
        panel_ = makeWindow_(model_);
        cancellables_.push_back(
            QObject::connect(&model_, &SheetModel::contentHeightChanged,
                             [this](double height) { contentHeightChanged(height); }));
    }
    return *panel_;
}

void PanelController::contentHeightChanged(double height) {
    // Repeats are dropped; a burst within the debounce interval makes one resize.
    if (lastHeightSeen_ == height) {
        return;
    }
    lastHeightSeen_ = height;
    if (heightDelay_) {
        heightDelay_->cancel();
    }
    std::weak_ptr<int> alive = lifetime_;
    heightDelay_ = platform_.scheduler.after(heightDebounce, [this, alive](bool cancelled) {
        if (!cancelled && alive.lock()) {
            sizePanel(true);
        }
    });
}

void PanelController::sizePanel(bool animated) {
    if (!panel_) {
        return;
    }
    const auto screen = targetScreen();
    if (!screen) {
        return;
    }
    const QRectF visible = screen->visibleFrame;
    const double height = std::min(visible.height() - screenMargin,
                                   std::max(model_.contentHeight() + chromeHeight, minimumHeight));
    if (std::fabs(height - lastSizedHeight_) < resizeThreshold && panel_->isVisible()) {
        return;
    }
    lastSizedHeight_ = height;
    // Centred horizontally, 20 points above the vertical centre (y grows downwards here).
    const QRectF frame(visible.center().x() - panelWidth_ * 0.5,
                       visible.center().y() - height * 0.5 - offsetAboveCentre, panelWidth_,
                       height);
    panel_->setFrame(frame, animated && panel_->isVisible());
}

void PanelController::installMonitors() {
    removeMonitors();
    std::weak_ptr<int> alive = lifetime_;
    auto closer = [this, alive](const InputEvent&) {
        if (alive.lock()) {
            hide();
        }
    };
    if (auto token = platform_.monitors.addGlobalMonitor(clickMask, closer)) {
        monitors_.push_back(*token);
    }
    if (auto token = platform_.monitors.addGlobalMonitor(keyMask, closer)) {
        monitors_.push_back(*token);
    }
    auto escape = [this, alive](const InputEvent& event) -> std::optional<InputEvent> {
        if (event.keyCode == escapeKeyCode) {
            if (alive.lock()) {
                hide();
            }
            return std::nullopt;
        }
        return event;
    };
    if (auto token = platform_.monitors.addLocalMonitor(keyMask, escape)) {
        monitors_.push_back(*token);
    }
    appSwitchObserver_ = platform_.workspace.observeActivations(
        [this, alive](const std::optional<RunningApplication>& activated) {
            if (!alive.lock()) {
                return;
            }
            if (activated && (activated->pid == platform_.workspace.ownPid() ||
                              activated->pid == model_.targetPID)) {
                return;
            }
            hide();
        });
}

void PanelController::removeMonitors() {
    for (auto token : monitors_) {
        platform_.monitors.removeMonitor(token);
    }
    monitors_.clear();
    appSwitchObserver_.reset();
}

std::optional<Screens::Screen> PanelController::targetScreen() {
    const auto screens = platform_.screens.screens();
    if (screens.empty()) {
        return std::nullopt;
    }
    const QPointF pointer = platform_.screens.pointer();
    for (const auto& screen : screens) {
        if (screen.frame.contains(pointer)) {
            return screen;
        }
    }
    const int main = platform_.screens.mainScreen();
    if (main >= 0 && main < static_cast<int>(screens.size())) {
        return screens[static_cast<std::size_t>(main)];
    }
    return screens.front();
}

}  // namespace holdsheet
