#include "platform/sway/SwayFrames.h"
#include "platform/sway/SwayFullscreen.h"
#include "platform/sway/SwayHotKeys.h"
#include "platform/sway/SwayReplies.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

TEST(SwayFrames, CutsAStreamWhereverItBreaksIntoWholeMessages) {
    const QByteArray stream = encodeSwayMessage(sway::getTree, "{\"a\":1}") +
                              encodeSwayMessage(sway::bindingEvent, "") +
                              encodeSwayMessage(sway::runCommand, QByteArray(70000, 'x'));
    for (const qsizetype chunk : {qsizetype{1}, qsizetype{5}, qsizetype{14}, stream.size()}) {
        SwayFrames frames;
        std::vector<SwayMessage> got;
        for (qsizetype at = 0; at < stream.size(); at += chunk) {
            frames.feed(stream.mid(at, chunk));
            while (auto message = frames.next()) {
                got.push_back(*message);
            }
        }
        ASSERT_EQ(got.size(), 3u) << chunk;
        EXPECT_EQ(got[0].payload, "{\"a\":1}");
        EXPECT_FALSE(got[0].isEvent());
        EXPECT_TRUE(got[1].isEvent());
        EXPECT_EQ(got[1].type, sway::bindingEvent);
        EXPECT_EQ(got[2].payload.size(), 70000);
        EXPECT_FALSE(frames.broken());
    }
}

TEST(SwayFrames, AStreamThatBreaksTheFramingOrAnnouncesAHugePayloadIsRefusedForGood) {
    QByteArray huge = encodeSwayMessage(sway::getTree, "");
    const std::uint32_t length = SwayFrames::maxPayload + 1;
    huge.replace(6, 4, QByteArray(reinterpret_cast<const char*>(&length), 4));
    for (const QByteArray& bad : {QByteArray("i4-ipc\0\0\0\0\0\0\0\0", 14), huge}) {
        SwayFrames frames;
        frames.feed(bad);
        EXPECT_FALSE(frames.next());
        EXPECT_TRUE(frames.broken());
        frames.feed(encodeSwayMessage(sway::getTree, "{}"));
        EXPECT_FALSE(frames.next()) << "nothing after a broken frame is trusted";
    }
}

TEST(SwayReplies, TheFocusedWindowOfATree) {
    const QByteArray tree = R"({"type":"root","nodes":[{"type":"output","nodes":[
        {"type":"workspace","nodes":[{"type":"con","id":4,"pid":10,"app_id":"mousepad",
          "name":"Untitled","focused":false}],
         "floating_nodes":[{"type":"floating_con","id":9,"pid":11,"app_id":null,
          "window_properties":{"class":"XTerm"},"name":"xterm","fullscreen_mode":1,
          "focused":true}]}]}]})";
    const auto window = focusedSwayWindow(tree);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->id, 9);
    EXPECT_EQ(window->pid, 11);
    EXPECT_EQ(window->appId, "");
    EXPECT_EQ(window->windowClass, "XTerm");
    EXPECT_EQ(window->title, "xterm");
    EXPECT_TRUE(window->fullscreen);

    // A focused workspace, a window without a process, nothing focused, not a tree.
    for (const char* none : {R"({"type":"workspace","focused":true,"nodes":[]})",
                             R"({"nodes":[{"type":"con","pid":0,"focused":true}]})",
                             R"({"nodes":[{"type":"con","pid":5}]})", "[1,2", ""}) {
        EXPECT_FALSE(focusedSwayWindow(none)) << none;
    }
}

TEST(SwayReplies, EventsAndCommandResults) {
    EXPECT_TRUE(swayCommandResult(R"([{"success":true},{"success":true}])").ok);
    const auto failed = swayCommandResult(R"([{"success":true},{"success":false,"error":"no"}])");
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.error, "no");
    EXPECT_FALSE(swayCommandResult("").ok);

    const auto binding = swayBindingEvent(
        R"({"change":"run","binding":{"command":"nop holdsheet down","symbol":"Super_L"}})");
    ASSERT_TRUE(binding);
    EXPECT_EQ(binding->command, "nop holdsheet down");
    EXPECT_EQ(binding->symbol, "Super_L");
    EXPECT_FALSE(swayBindingEvent(R"({"change":"run"})"));
    EXPECT_EQ(swayEventChange(R"({"change":"reload"})"), "reload");
    EXPECT_EQ(swayConfigText(R"({"config":"set $mod Mod4\n"})"), "set $mod Mod4\n");
}

TEST(SwayReplies, TheBindingsOfAConfiguration) {
    const QString config = R"(# comment: bindsym Super_L exec nothing
set $mod Mod4
set $modkey Mod1
set $term foot
bindsym $mod+Return exec $term
bindsym --release $modkey+x \
    exec "grim -g"
bindsym --to-code {
    $mod+1 workspace number 1
    Super_L nop mine
}
mode "resize" {
    bindsym Left resize shrink width 10px
}
bindsym $mod+r mode "resize"
)";
    std::vector<std::string> got;
    for (const auto& b : swayConfigBindings(config)) {
        got.push_back((b.flags.join(' ') + "|" + b.combo + "|" + b.command).toStdString());
    }
    EXPECT_EQ(got,
              (std::vector<std::string>{"|Mod4+Return|exec foot", "--release|Mod1+x|exec grim -g",
                                        "--to-code|Mod4+1|workspace number 1",
                                        "--to-code|Super_L|nop mine", "|Mod4+r|mode resize"}));
}

TEST(SwayFullscreen, AWindowTheUsersPanelTookOutOfFullscreenGoesBackWhenFocusReturns) {
    const auto event = [](const char* change, qint64 id, pid_t pid, bool fullscreen) {
        return swayWindowEvent(QStringLiteral(R"({"change":"%1","container":{"type":"con",
            "id":%2,"pid":%3,"fullscreen_mode":%4}})")
                                   .arg(change)
                                   .arg(id)
                                   .arg(pid)
                                   .arg(fullscreen ? 1 : 0)
                                   .toUtf8());
    };
    const auto focus = [&](qint64 id, pid_t pid, bool fullscreen) {
        return event("focus", id, pid, fullscreen);
    };
    constexpr pid_t own = 50;
    SwayFullscreen keeper;
    // Focused first, then made fullscreen.
    EXPECT_EQ(keeper.windowEvent(focus(4, 10, false), own), "");
    EXPECT_EQ(keeper.windowEvent(event("fullscreen_mode", 4, 10, true), own), "");
    EXPECT_EQ(keeper.windowEvent(focus(9, own, false), own), "");  // the panel
    EXPECT_EQ(keeper.windowEvent(focus(4, 10, false), own), "[con_id=4] fullscreen enable");
    EXPECT_EQ(keeper.windowEvent(focus(4, 10, true), own), "") << "once";
    // The user leaves the panel for another window: nothing is put back.
    keeper.windowEvent(focus(9, own, false), own);
    EXPECT_EQ(keeper.windowEvent(focus(5, 11, false), own), "");
    EXPECT_EQ(keeper.windowEvent(focus(4, 10, false), own), "");
    // The compositor takes it out of fullscreen as the panel maps, before the panel's focus.
    keeper.windowEvent(focus(4, 10, true), own);
    keeper.windowEvent(event("new", 9, own, false), own);
    keeper.windowEvent(event("fullscreen_mode", 4, 10, false), own);
    keeper.windowEvent(focus(9, own, false), own);
    EXPECT_EQ(keeper.windowEvent(focus(4, 10, false), own), "[con_id=4] fullscreen enable");
    // The user leaving fullscreen on their own is their choice.
    keeper.windowEvent(event("fullscreen_mode", 4, 10, false), own);
    keeper.windowEvent(focus(9, own, false), own);
    EXPECT_EQ(keeper.windowEvent(focus(4, 10, false), own), "");
    // A window that was not fullscreen stays as it is.
    keeper.windowEvent(focus(9, own, false), own);
    EXPECT_EQ(keeper.windowEvent(focus(4, 10, false), own), "");
}

TEST(SwayHotKeys, TheUsersBindingsNamedByWhatTheyDo) {
    const auto bindings = swayDesktopBindings(swayConfigBindings(R"(set $mod Mod4
bindsym $mod+Return exec --no-startup-id /usr/bin/foot -e fish
bindsym $mod+Shift+q kill
bindsym Mod1+Control+1 workspace number 1
bindsym $mod+Left focus left
bindsym $mod+x nop placeholder
bindsym --release Print exec grim
bindsym Mod5+k focus up
bindsym $mod+Shift+ exec nothing
)"));
    std::vector<std::string> got;
    for (const auto& b : bindings) {
        got.push_back(b.title.toStdString() + " " + std::to_string(b.key.modifiers) + " " +
                      b.key.character.value_or(QString()).toStdString() + "/" +
                      std::to_string(b.key.virtualKey.value_or(-1)));
    }
    // Modifiers as the menus' mask: Shift 1, Alt 2, Control 4, no Super 8.
    EXPECT_EQ(got, (std::vector<std::string>{"foot 0 /36", "Kill 1 q/-1",
                                             "Workspace number 1 14 1/-1", "Focus left 0 /123"}));
}

}  // namespace
}  // namespace holdsheet
