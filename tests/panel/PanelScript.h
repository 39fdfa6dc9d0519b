#pragma once

#include "prefs/Preferences.h"
#include "support/PanelHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace holdsheet::testing {

// The panel's harness driven by a script of steps apart by spaces, checked as it goes: the
// modifiers down from then on ("super", "super+shift", "up" for none), virtual time passing
// ("300ms", "2s"), or one of `steps`, which acts (a key or click going elsewhere, the
// controller asked, a setting changed) or checks, taking what follows its "=". Applications
// are editor, viewer, own or none; "_" in a title stands for a space.
struct PanelScript : PanelHarness {
    std::optional<RunningApplication> app(const QString& name) const {
        const std::map<QString, std::optional<RunningApplication>> apps{
            {"editor", editor},
            {"viewer", viewer},
            {"own", RunningApplication{workspace.own, "", "", QImage(), 0, {}}},
            {"none", std::nullopt}};
        return apps.at(name);
    }
    QString title() {
        const auto& sheet = controller.model().sheet();
        return sheet && !sheet->groups.empty() ? sheet->groups[0].title : QString();
    }
    int reads() { return ax.readCount(ax.menuBar(editor.pid), "AXChildren"); }
    void flags(quint64 value) {
        down = value;
        monitors.global({EventType::flagsChanged, 0, value});
    }
    void input(EventType type, int keyCode = 0) { monitors.global({type, keyCode, down}); }
    bool ownKey(int keyCode) { return monitors.local({EventType::keyDown, keyCode, down}); }
    Preferences prefs() { return Preferences(store); }
    pid_t pidOf(const QString& name) const { return app(name) ? app(name)->pid : 0; }
    // A window without an id or a class.
    static RunningApplication anonymous() { return {editor.pid, "", "Editor", QImage(), 1, {}}; }
    // The height the panel last moved to, or -1 if it jumped there.
    double animatedHeight() const { return window->lastAnimated ? window->lastFrame.height() : -1; }

    void play(const QString& script) {
        static const std::map<QString, quint64> modifiers{{"super", ModifierFlag::command},
                                                          {"shift", ModifierFlag::shift},
                                                          {"control", ModifierFlag::control},
                                                          {"alt", ModifierFlag::option},
                                                          {"caps", ModifierFlag::capsLock},
                                                          {"num", ModifierFlag::numericPad},
                                                          {"up", 0}};
        int step = 0;
        for (const QString& token : script.split(' ', Qt::SkipEmptyParts)) {
            SCOPED_TRACE("step " + std::to_string(++step) + " (" + token.toStdString() + ") of " +
                         script.toStdString());
            bool isTime = false;
            const int ms = token.endsWith("ms") ? token.chopped(2).toInt(&isTime)
                                                : token.chopped(1).toInt(&isTime) * 1000;
            if (const auto found = steps.find(token.section('=', 0, 0)); found != steps.end()) {
                found->second(token.section('=', 1));
            } else if (isTime && token.back() == 's') {
                scheduler.advance(std::chrono::milliseconds(ms));
            } else {
                bool known = true;
                quint64 now = 0;
                for (const QString& name : token.split('+')) {
                    known = known && modifiers.count(name);
                    now |= known ? modifiers.at(name) : 0;
                }
                ASSERT_TRUE(known) << "no such step";
                flags(now);
            }
        }
    }

    // Each takes what follows a "=" in its token.
    std::map<QString, std::function<void(const QString&)>> steps{
        {"key", [this](auto) { input(EventType::keyDown, 8); }},
        {"left", [this](auto) { input(EventType::leftMouseDown); }},
        {"right", [this](auto) { input(EventType::rightMouseDown); }},
        {"other", [this](auto) { input(EventType::otherMouseDown); }},
        {"scroll", [this](auto) { input(EventType::scrollWheel); }},
        {"local", [this](auto) { EXPECT_TRUE(ownKey(8)); }},
        {"escape", [this](auto) { EXPECT_FALSE(ownKey(53)); }},
        {"show", [this](auto) { controller.show(); }},
        {"hide", [this](auto) { controller.hide(); }},
        {"released", [this](auto) { controller.commandReleased(); }},
        {"prefetch", [this](auto) { controller.prefetch(); }},
        {"fromHold", [this](auto) { controller.showFromHold(); }},
        {"idle", [this](auto) { scheduler.runUntilIdle(); }},
        {"typing", [this](auto) { window->editing = true; }},
        {"typed", [this](auto) { window->editing = false; }},
        {"announce", [this](auto v) { workspace.announce(app(v)); }},
        {"front", [this](auto v) { workspace.front = app(v); }},
        {"hold", [this](auto v) { prefs().setHoldKey(fromRawValue<HoldKey>(v).value()); }},
        {"level", [this](auto v) { prefs().setHoldLevel(v.toInt()); }},
        {"closeOnRelease", [this](auto) { prefs().setCloseOnRelease(true); }},
        {"exclude", [this](auto v) { prefs().setExcludedApps(v.split(',')); }},
        {"classes", [this](auto v) { workspace.front->windowClasses = v.split(','); }},
        {"anonymous", [this](auto) { workspace.front = anonymous(); }},
        {"untrusted", [this](auto) { ax.trusted = false; }},
        {"refuse", [this](auto) { monitors.refuse = true; }},
        {"rename", [this](auto v) { ax.menuBar(editor.pid).child(0).set("AXTitle", v); }},
        {"height", [this](auto v) { controller.model().setContentHeight(v.toDouble()); }},
        {"mark", [this](auto) { marked = window->frames; }},
        {"open", [this](auto) { EXPECT_TRUE(panelVisible()); }},
        {"shut", [this](auto) { EXPECT_FALSE(panelVisible()); }},
        {"alpha", [this](auto v) { EXPECT_EQ(window->currentAlpha, v.toDouble()); }},
        {"loading", [this](auto) { EXPECT_TRUE(controller.model().isLoading()); }},
        {"loaded", [this](auto) { EXPECT_FALSE(controller.model().isLoading()); }},
        {"title", [this](auto v) { EXPECT_EQ(title(), QString(v).replace('_', ' ')); }},
        {"target", [this](auto v) { EXPECT_EQ(controller.model().targetPID, pidOf(v)); }},
        {"made", [this](auto v) { EXPECT_EQ(panelsMade, v.toInt()); }},
        {"frames", [this](auto v) { EXPECT_EQ(window->frames - marked, v.toInt()); }},
        {"moved", [this](auto v) { EXPECT_EQ(animatedHeight(), v.toDouble()); }},
        {"reads", [this](auto v) { EXPECT_EQ(reads(), v.toInt()); }},
        {"monitors", [this](auto v) { EXPECT_EQ(monitors.count(), v.toInt()); }},
        {"observers", [this](auto v) { EXPECT_EQ(workspace.observers(), v.toInt()); }},
    };
    quint64 down = 0;
    int marked = 0;
};

}  // namespace holdsheet::testing
