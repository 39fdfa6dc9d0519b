#include "platform/KeyCodes.h"
#include "platform/freedesktop/Keysyms.h"
#include "platform/gnome/GnomeHoldSource.h"
#include "platform/gnome/GnomeWorkspace.h"
#include "platform/gnome/PanelPlacer.h"
#include "prefs/Preferences.h"
#include "support/PanelHarness.h"
#include "trigger/HoldMonitor.h"

#include <gtest/gtest.h>

#include <deque>

namespace holdsheet {
namespace {

using namespace std::chrono_literals;
using namespace holdsheet::testing;

// The extension's side of the bus: what it was asked, and answers to PlacePanel in turn.
class FakeExtension : public ShellExtensionCalls {
  public:
    void setHoldKey(const QString& key) override { calls << "SetHoldKey " + key; }
    void setSuppressOverviewAfter(int ms) override {
        calls << QStringLiteral("SetSuppressOverviewAfter %1").arg(ms);
    }
    void placePanel(const QString& title, QPoint at, std::function<void(bool)> placed) override {
        calls << QStringLiteral("PlacePanel %1 %2,%3").arg(title).arg(at.x()).arg(at.y());
        const bool answer = !placeAnswers.empty() && placeAnswers.front();
        if (!placeAnswers.empty()) {
            placeAnswers.pop_front();
        }
        placed(answer);
    }
    void postKeys(const std::vector<quint32>& keysyms, std::function<void(bool)> done) override {
        (void)keysyms;
        done(false);
    }
    QStringList calls;
    std::deque<bool> placeAnswers;  // none left: not placed
};

// The hold monitor fed by the extension's signals, on the virtual clock, as on GNOME.
struct GnomeHold : PanelHarness, ::testing::Test {
    GnomeHold() {
        monitor.start();
        source.follow(HoldKey::super, 2s);
        source.setPresent(true);
    }
    void send(const char* event) { source.event(QString::fromLatin1(event)); }
    // A press held past the delay.
    void holdFully() {
        send("press");
        scheduler.advance(2s);
        scheduler.runUntilIdle();
    }

    FakeExtension extension;
    HeldKeyMonitors heldKeys{[this] { return panelVisible(); }};
    GnomeHoldSource source{extension, [this](HeldKeyChange change, HoldKey key) {
                               heldKeys.holdKeyChanged(change, key);
                           }};
    HoldMonitor monitor{{heldKeys, scheduler, store, ax, workspace, controller}};
};

TEST_F(GnomeHold, AHoldOpensThePanelAtTheDelayAndItStaysUntilATap) {
    send("press");
    scheduler.advance(1999ms);
    EXPECT_FALSE(panelVisible());
    scheduler.advance(1ms);
    scheduler.runUntilIdle();
    ASSERT_TRUE(panelVisible());
    send("release");
    scheduler.advance(5s);
    EXPECT_TRUE(panelVisible()) << "the release of the hold leaves it open";
    send("press");
    send("release");
    scheduler.advance(1s);
    EXPECT_FALSE(panelVisible()) << "a tap closes it";
}

TEST_F(GnomeHold, AnotherKeyCancelsUntilTheKeyIsReleasedAndPressedAgain) {
    send("press");
    scheduler.advance(500ms);
    send("other");
    scheduler.advance(10s);
    EXPECT_FALSE(panelVisible());
    send("other");  // more keys of the same chord
    send("release");
    scheduler.advance(10s);
    EXPECT_FALSE(panelVisible());
    holdFully();
    EXPECT_TRUE(panelVisible());
}

TEST_F(GnomeHold, TheExtensionGoingCancelsAHoldAndItsReturnIsToldTheKeyAgain) {
    EXPECT_EQ(extension.calls, (QStringList{"SetHoldKey super", "SetSuppressOverviewAfter 2000"}));
    send("press");
    scheduler.advance(1s);
    source.setPresent(false);
    send("release");  // a stray signal of the old extension
    scheduler.advance(10s);
    EXPECT_FALSE(panelVisible());
    extension.calls.clear();
    source.setPresent(true);
    EXPECT_EQ(extension.calls, (QStringList{"SetHoldKey super", "SetSuppressOverviewAfter 2000"}));
    holdFully();
    EXPECT_TRUE(panelVisible());
}

TEST_F(GnomeHold, ThePreferencesAreToldWhenTheyChangeAndOnlySuperKeepsTheOverviewShut) {
    extension.calls.clear();
    source.follow(HoldKey::super, 2s);
    EXPECT_TRUE(extension.calls.isEmpty()) << "nothing changed";
    source.follow(HoldKey::super, 3500ms);
    source.follow(HoldKey::control, 3500ms);
    source.setPresent(false);
    source.follow(HoldKey::alt, 1s);  // told when it is back
    EXPECT_EQ(extension.calls, (QStringList{"SetHoldKey super", "SetSuppressOverviewAfter 3500",
                                            "SetHoldKey control", "SetSuppressOverviewAfter -1"}));
}

TEST_F(GnomeHold, ChangingTheKeyDuringAHoldCancelsIt) {
    send("press");
    scheduler.advance(1s);
    Preferences(store).setHoldKey(HoldKey::control);
    source.follow(HoldKey::control, 2s);
    send("release");
    scheduler.advance(10s);
    EXPECT_FALSE(panelVisible());
    holdFully();
    EXPECT_TRUE(panelVisible()) << "the new key holds";
}

TEST(PanelPlacer, AsksAgainUntilTheShellKnowsTheWindowForAWhileAndTheNewestPlaceWins) {
    FakeExtension extension;
    VirtualScheduler scheduler;
    PanelPlacer placer(extension, scheduler);
    extension.placeAnswers = {false, false, true};
    placer.place("Holdsheet panel", {10, 20});
    scheduler.advance(10s);
    EXPECT_EQ(extension.calls.size(), 3);
    EXPECT_EQ(extension.calls.last(), "PlacePanel Holdsheet panel 10,20");

    extension.calls.clear();
    placer.place("Holdsheet panel", {1, 1});  // never placed: given up in the end
    scheduler.advance(PanelPlacer::retryEvery * 2);
    placer.place("Holdsheet panel", {5, 5});
    scheduler.advance(1min);
    EXPECT_EQ(extension.calls.size(), 3 + PanelPlacer::attempts);
    EXPECT_EQ(extension.calls.filter("1,1").size(), 3) << "the older place stopped";
}

TEST(ShellExtensionCalls, TheUuidFollowsTheShellVersionAndTheStateTheShellsDescription) {
    const std::pair<const char*, const char*> versions[] = {
        {"43.9", "holdsheet-legacy@holdsheet.org"},   {"44.1", "holdsheet-legacy@holdsheet.org"},
        {"45.0", "holdsheet@holdsheet.org"},          {"48.alpha", "holdsheet@holdsheet.org"},
        {"3.38.4", "holdsheet-legacy@holdsheet.org"}, {"", "holdsheet@holdsheet.org"},
    };
    for (const auto& [version, uuid] : versions) {
        EXPECT_EQ(shellExtensionUuid(version), uuid) << version;
    }
    const std::pair<QVariantMap, ShellExtensionState> states[] = {
        {{}, ShellExtensionState::missing},
        {{{"state", 1.0}, {"uuid", "x"}}, ShellExtensionState::active},
        {{{"state", 2.0}}, ShellExtensionState::disabled},  // DISABLED
        {{{"state", 3.0}}, ShellExtensionState::disabled},  // ERROR
        {{{"state", 6.0}}, ShellExtensionState::disabled},  // INITIALIZED, never enabled
        {{{"uuid", "x"}}, ShellExtensionState::missing},
    };
    for (const auto& [info, state] : states) {
        EXPECT_EQ(shellExtensionState(info), state) << info.value("state").toDouble();
    }
}

TEST(GnomeKeys, ModifiersGoFirstAndAKeyWithoutAKeysymPostsNothing) {
    const quint32 t = keysymOfVirtualKey(17);  // the key-naming tables' T
    ASSERT_NE(t, 0u);
    EXPECT_EQ(keysymsOfKeys(17, ModifierFlag::command | ModifierFlag::shift),
              (std::vector<quint32>{0xffe1, 0xffeb, t}));
    EXPECT_EQ(
        keysymsOfKeys(17, ModifierFlag::control | ModifierFlag::option | ModifierFlag::capsLock),
        (std::vector<quint32>{0xffe3, 0xffe9, t}));
    EXPECT_TRUE(keysymsOfKeys(0xffff, ModifierFlag::control).empty());
}

}  // namespace
}  // namespace holdsheet
