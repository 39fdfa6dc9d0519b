#include "app/SessionKind.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace holdsheet {
namespace {

TEST(SessionKind, WaylandWinsOverItsXwaylandAndOnlySwayAndGnomeAreServed) {
    struct Case {
        std::map<std::string, QByteArray> environment;
        SessionKind kind;
    };
    const Case cases[] = {
        {{{"DISPLAY", ":0"}}, SessionKind::x11},
        {{{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"SWAYSOCK", "/run/s.sock"}},
         SessionKind::sway},
        {{{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}}, SessionKind::unservedWayland},
        {{{"SWAYSOCK", "/run/s.sock"}}, SessionKind::none},  // a left-over variable
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}},
         SessionKind::gnome},
        {{{"DISPLAY", ":0"}, {"XDG_CURRENT_DESKTOP", "GNOME"}}, SessionKind::x11},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_CURRENT_DESKTOP", "GNOME-Flashback"}},
         SessionKind::unservedWayland},
        {{{"WAYLAND_DISPLAY", "w"}, {"SWAYSOCK", "/s"}, {"XDG_CURRENT_DESKTOP", "GNOME"}},
         SessionKind::sway},
        {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, SessionKind::none},
    };
    for (const auto& c : cases) {
        const auto kind = sessionKind([&c](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? QByteArray() : found->second;
        });
        EXPECT_EQ(kind, c.kind) << c.environment.size();
        EXPECT_EQ(sessionKindProblem(kind).isEmpty(), kind == SessionKind::x11 ||
                                                          kind == SessionKind::sway ||
                                                          kind == SessionKind::gnome);
    }
    EXPECT_TRUE(
        sessionKindProblem(SessionKind::unservedWayland).contains("env -u WAYLAND_DISPLAY"));
}

}  // namespace
}  // namespace holdsheet
