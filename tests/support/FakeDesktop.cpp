#include "support/FakeDesktop.h"

namespace holdsheet::testing {

std::optional<EventMonitors::Token> FakeMonitors::addGlobalMonitor(quint64 mask,
                                                                   GlobalHandler handler) {
    if (refuse) {
        return std::nullopt;
    }
    monitors_.emplace(next_, Monitor{mask, std::move(handler), nullptr});
    return next_++;
}

std::optional<EventMonitors::Token> FakeMonitors::addLocalMonitor(quint64 mask,
                                                                  LocalHandler handler) {
    if (refuse) {
        return std::nullopt;
    }
    monitors_.emplace(next_, Monitor{mask, nullptr, std::move(handler)});
    return next_++;
}

void FakeMonitors::global(const InputEvent& event) {
    auto copy = monitors_;
    for (auto& [token, monitor] : copy) {
        if (monitor.global && (monitor.mask & maskOf(event.type)) && monitors_.contains(token)) {
            monitor.global(event);
        }
    }
}

bool FakeMonitors::local(const InputEvent& event) {
    auto copy = monitors_;
    for (auto& [token, monitor] : copy) {
        if (monitor.local && (monitor.mask & maskOf(event.type)) && monitors_.contains(token)) {
            if (!monitor.local(event)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace holdsheet::testing
