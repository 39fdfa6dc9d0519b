#pragma once

#include "platform/EventMonitors.h"

#include <map>

namespace holdsheet {

// The monitors an adapter of EventMonitors hands its events to. A handler may add or remove
// monitors while an event is handed out: each goes to the monitors of that moment that are
// still there.
class MonitorList {
  public:
    EventMonitors::Token add(quint64 mask, EventMonitors::GlobalHandler global,
                             EventMonitors::LocalHandler local) {
        monitors_.emplace(next_, Monitor{mask, std::move(global), std::move(local)});
        return next_++;
    }
    void remove(EventMonitors::Token token) { monitors_.erase(token); }

    void deliverGlobal(const InputEvent& event) {
        auto copy = monitors_;
        for (auto& [token, monitor] : copy) {
            if (monitor.global && (monitor.mask & maskOf(event.type)) &&
                monitors_.contains(token)) {
                monitor.global(event);
            }
        }
    }
    // True when a handler swallowed the event.
    bool deliverLocal(const InputEvent& event) {
        auto copy = monitors_;
        for (auto& [token, monitor] : copy) {
            if (monitor.local && (monitor.mask & maskOf(event.type)) && monitors_.contains(token) &&
                !monitor.local(event)) {
                return true;
            }
        }
        return false;
    }

  private:
    struct Monitor {
        quint64 mask;
        EventMonitors::GlobalHandler global;
        EventMonitors::LocalHandler local;
    };
    std::map<EventMonitors::Token, Monitor> monitors_;
    EventMonitors::Token next_ = 1;
};

}  // namespace holdsheet
