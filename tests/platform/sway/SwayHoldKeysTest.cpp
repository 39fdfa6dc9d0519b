#include "platform/sway/SwayHoldKeys.h"

#include "support/VirtualScheduler.h"

#include <gtest/gtest.h>

#include <map>

namespace holdsheet {
namespace {

using namespace std::chrono_literals;
using Change = SwayHoldKeys::Change;

// The compositor: canned answers per request type, and every command it was sent.
class FakeSway : public SwayRequests {
  public:
    std::optional<QByteArray> request(std::uint32_t type, const QByteArray& payload) override {
        if (type == sway::runCommand) {
            commands << QString::fromUtf8(payload);
            return commandsSucceed ? QByteArray(R"([{"success":true}])")
                                   : QByteArray(R"([{"success":false,"error":"no"}])");
        }
        const auto answer = answers.find(type);
        return answer == answers.end() ? std::nullopt : std::optional(answer->second);
    }
    std::map<std::uint32_t, QByteArray> answers{
        {sway::getConfig, R"({"config":"set $mod Mod4\nbindsym $mod+Return exec foot\n"})"},
        {sway::getInputs,
         R"([{"type":"pointer"},{"type":"keyboard","repeat_delay":500,"repeat_rate":20}])"}};
    QStringList commands;
    bool commandsSucceed = true;
};

SwayMessage binding(const QString& command, const QString& symbol = "Super_L") {
    return {sway::bindingEvent,
            QStringLiteral(R"({"change":"run","binding":{"command":"%1","symbol":"%2"}})")
                .arg(command, symbol)
                .toUtf8()};
}

class SwayHold : public ::testing::Test {
  protected:
    void press() { keys.event(binding(SwayHoldKeys::pressCommand)); }
    void release() { keys.event(binding(SwayHoldKeys::releaseCommand)); }

    FakeSway sway;
    testing::VirtualScheduler scheduler;
    std::vector<Change> changes;
    SwayHoldKeys keys{sway, scheduler, [this](Change change) { changes.push_back(change); }};
};

TEST_F(SwayHold, BindsBothKeysOfTheChosenKindAndUnbindsThemOnRebindAndAtTheEnd) {
    ASSERT_EQ(keys.bind(HoldKey::control), SwayHoldKeys::Bound::ok);
    ASSERT_EQ(sway.commands.size(), 1);
    EXPECT_EQ(sway.commands[0].toStdString(),
              "bindsym Control_L nop holdsheet-hold pressed; "
              "bindsym --release Control_L nop holdsheet-hold released; "
              "bindsym Control_R nop holdsheet-hold pressed; "
              "bindsym --release Control_R nop holdsheet-hold released");
    ASSERT_EQ(keys.bind(HoldKey::super), SwayHoldKeys::Bound::ok);
    EXPECT_TRUE(sway.commands[1].startsWith("unbindsym Control_L; unbindsym --release Control_L"));
    EXPECT_TRUE(sway.commands[2].startsWith("bindsym Super_L "));
    keys.unbind();
    EXPECT_TRUE(sway.commands[3].startsWith("unbindsym Super_L;"));
    keys.unbind();
    EXPECT_EQ(sway.commands.size(), 4) << "nothing bound, nothing to unbind";
}

TEST_F(SwayHold, PressRepeatsAndReleaseAreAHoldAlone) {
    keys.bind(HoldKey::super);
    // Our command on another key: a binding left over by an earlier run.
    keys.event(binding(SwayHoldKeys::pressCommand, "Control_L"));
    press();
    scheduler.advance(500ms);
    press();  // the first repeat, at the keyboard's repeat delay
    for (int i = 0; i < 40; ++i) {
        scheduler.advance(50ms);
        press();
    }
    release();
    scheduler.advance(10s);
    EXPECT_EQ(changes, (std::vector{Change::pressed, Change::stillAlone, Change::released}));
}

TEST_F(SwayHold, RepeatsThatStopAreAnotherKeyAndWhatFollowsIsAFreshPress) {
    keys.bind(HoldKey::super);
    // Another key before the first repeat: no repeat ever comes.
    press();
    scheduler.advance(500ms + SwayHoldKeys::slack - 1ms);
    EXPECT_EQ(changes, std::vector{Change::pressed});
    scheduler.advance(1ms);
    EXPECT_EQ(changes, (std::vector{Change::pressed, Change::interrupted}));
    // Another key after some repeats.
    changes.clear();
    press();
    scheduler.advance(500ms);
    press();
    scheduler.advance(50ms + SwayHoldKeys::slack);
    release();  // a release without a hold is no release
    press();
    EXPECT_EQ(changes, (std::vector{Change::pressed, Change::stillAlone, Change::interrupted,
                                    Change::pressed}));
}

TEST(SwayShortHold, APressIsToldOnlyWhenAChordCouldNoLongerHideInIt) {
    FakeSway sway;
    testing::VirtualScheduler scheduler;
    std::vector<Change> changes;
    std::chrono::milliseconds delay = 500ms;  // shorter than the first repeat may take
    SwayHoldKeys keys{sway, scheduler, [&](Change change) { changes.push_back(change); },
                      [&] { return delay; }};
    keys.bind(HoldKey::super);
    const auto send = [&](const QString& command) { keys.event(binding(command)); };
    // A chord: no repeat, no release; nothing was ever pressed.
    send(SwayHoldKeys::pressCommand);
    scheduler.advance(2s);
    EXPECT_TRUE(changes.empty());
    // A hold: told at the first repeat.
    send(SwayHoldKeys::pressCommand);
    scheduler.advance(500ms);
    EXPECT_TRUE(changes.empty());
    send(SwayHoldKeys::pressCommand);
    send(SwayHoldKeys::releaseCommand);
    // A tap: told at its release.
    send(SwayHoldKeys::pressCommand);
    send(SwayHoldKeys::releaseCommand);
    EXPECT_EQ(changes, (std::vector{Change::pressed, Change::stillAlone, Change::released,
                                    Change::pressed, Change::released}));
    // A delay the first repeat comes well within: the press is told at once.
    changes.clear();
    delay = 2s;
    send(SwayHoldKeys::pressCommand);
    EXPECT_EQ(changes, std::vector{Change::pressed});
}

TEST_F(SwayHold, WhatTheCompositorSaysDecidesWhetherItBindsAtAll) {
    // The user's own binding of the key alone is theirs.
    sway.answers[sway::getConfig] = R"({"config":"set $l Super_L\nbindsym $l exec menu\n"})";
    EXPECT_EQ(keys.bind(HoldKey::super), SwayHoldKeys::Bound::taken);
    EXPECT_EQ(keys.takenBy(), "bindsym Super_L exec menu");
    EXPECT_EQ(keys.bind(HoldKey::alt), SwayHoldKeys::Bound::ok) << "a binding of another key";
    sway.commands.clear();
    sway.answers[sway::getInputs] = R"([{"type":"keyboard","repeat_delay":500,"repeat_rate":0}])";
    EXPECT_EQ(keys.bind(HoldKey::control), SwayHoldKeys::Bound::noRepeat);
    sway.answers.erase(sway::getConfig);
    EXPECT_EQ(keys.bind(HoldKey::control), SwayHoldKeys::Bound::failed);
    EXPECT_EQ(sway.commands.size(), 1) << "only the alt key's unbinding";
    sway.answers[sway::getConfig] = "{}";
    sway.answers.erase(sway::getInputs);
    sway.commandsSucceed = false;
    EXPECT_EQ(keys.bind(HoldKey::control), SwayHoldKeys::Bound::failed);
    // Nothing bound: events of a binding with our command (left over, or someone else's) pass.
    press();
    EXPECT_TRUE(changes.empty());
}

TEST_F(SwayHold, AReloadBindsAgainUnlessTheUserHasTakenTheKeyMeanwhile) {
    std::vector<SwayHoldKeys::Bound> rebinds;
    keys.onRebound([&](SwayHoldKeys::Bound bound) { rebinds.push_back(bound); });
    keys.bind(HoldKey::super);
    const SwayMessage reload{sway::workspaceEvent, R"({"change":"reload"})"};
    keys.event(reload);
    EXPECT_EQ(sway.commands.size(), 2);
    EXPECT_TRUE(sway.commands[1].startsWith("bindsym Super_L ")) << "no unbinding of lost ones";
    sway.answers[sway::getConfig] = R"({"config":"bindsym Super_R exec menu"})";
    keys.event(reload);
    keys.event({sway::workspaceEvent, R"({"change":"focus"})"});
    EXPECT_EQ(rebinds, (std::vector{SwayHoldKeys::Bound::ok, SwayHoldKeys::Bound::taken}));
    press();
    EXPECT_TRUE(changes.empty()) << "unbound now";
}

}  // namespace
}  // namespace holdsheet
