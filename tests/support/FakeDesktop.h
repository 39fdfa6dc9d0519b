#pragma once

#include "panel/PanelWindow.h"
#include "platform/ActivationObservers.h"
#include "platform/EventMonitors.h"
#include "platform/Screens.h"
#include "platform/Workspace.h"

#include <map>
#include <memory>
#include <vector>

namespace holdsheet::testing {

// A desktop for tests: applications to put in front, input to deliver, screens to place.
class FakeWorkspace : public Workspace {
  public:
    std::optional<RunningApplication> front;
    pid_t own = 1000;
    std::vector<RunningApplication> activations;  // what activate() was asked

    std::optional<RunningApplication> frontmostApplication() override { return front; }
    pid_t ownPid() override { return own; }
    std::unique_ptr<Observation> observeActivations(ActivationObserver observer) override {
        return observers_.add(std::move(observer));
    }
    void activate(const RunningApplication& application) override {
        activations.push_back(application);
    }
    // Announces an activation to the observers, as the desktop would.
    void announce(const std::optional<RunningApplication>& application) {
        observers_.announce(application);
    }
    int observers() const { return observers_.count(); }

  private:
    ActivationObservers observers_;
};

class FakeMonitors : public EventMonitors {
  public:
    std::optional<Token> addGlobalMonitor(quint64 mask, GlobalHandler handler) override {
        return add({mask, std::move(handler), nullptr});
    }
    std::optional<Token> addLocalMonitor(quint64 mask, LocalHandler handler) override {
        return add({mask, nullptr, std::move(handler)});
    }
    void removeMonitor(Token token) override { monitors_.erase(token); }

    // Delivers an event going to another application.
    void global(const InputEvent& event) {
        for (auto& [token, monitor] : std::map(monitors_)) {
            if (monitor.global && (monitor.mask & maskOf(event.type)) &&
                monitors_.contains(token)) {
                monitor.global(event);
            }
        }
    }
    // Delivers one of the program's own events; false when a monitor swallowed it.
    bool local(const InputEvent& event) {
        for (auto& [token, monitor] : std::map(monitors_)) {
            if (monitor.local && (monitor.mask & maskOf(event.type)) && monitors_.contains(token) &&
                !monitor.local(event)) {
                return false;
            }
        }
        return true;
    }
    int count() const { return static_cast<int>(monitors_.size()); }
    bool refuse = false;

  private:
    struct Monitor {
        quint64 mask;
        GlobalHandler global;
        LocalHandler local;
    };
    std::optional<Token> add(Monitor monitor) {
        if (refuse) {
            return std::nullopt;
        }
        monitors_.emplace(next_, std::move(monitor));
        return next_++;
    }
    std::map<Token, Monitor> monitors_;
    Token next_ = 1;
};

class FakeScreens : public Screens {
  public:
    QPointF at{100, 100};
    std::vector<Screen> list{{QRectF(0, 0, 1920, 1080), QRectF(0, 30, 1920, 1050)}};
    int main = 0;
    QPointF pointer() override { return at; }
    std::vector<Screen> screens() override { return list; }
    int mainScreen() override { return main; }
};

class FakePanelWindow : public PanelWindow {
  public:
    bool visible = false;
    double currentAlpha = 1.0;
    bool key = false;
    bool editing = false;
    QRectF lastFrame;
    bool lastAnimated = false;
    int frames = 0;
    bool released = false;

    bool isVisible() const override { return visible; }
    double alpha() const override { return currentAlpha; }
    void setAlpha(double alpha, std::chrono::milliseconds) override { currentAlpha = alpha; }
    void orderFront() override {
        visible = true;
        key = true;
    }
    bool isKey() const override { return key; }
    void makeKey() override { key = true; }
    void orderOut() override {
        visible = false;
        key = false;
    }
    void setFrame(const QRectF& frame, bool animate) override {
        lastFrame = frame;
        lastAnimated = animate;
        ++frames;
    }
    bool isEditingText() const override { return editing; }
    void releaseContent() override { released = true; }
};

}  // namespace holdsheet::testing
