#pragma once

#include "prefs/Preferences.h"
#include "support/PanelHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace holdsheet::testing {

// The panel's harness driven by a script of steps apart by spaces, checked as it goes:
//   super, super+shift, up ...      the modifiers down from now on ("up": none)
//   300ms, 2s                       virtual time passes
//   key, left, right, other, scroll a key or a click going elsewhere, with the modifiers down
//   local, escape                   a key of the program's own: passed on; swallowed
//   show, hide, released, prefetch, fromHold   the controller asked
//   idle                            the scheduler run until idle
//   typing, typed                   the panel's field edited, or not
//   height=H, mark                  the content's height set; the panel's frames counted from now
//   announce=A, front=A             A (editor, viewer, own, none) activated; now in front
//   hold=K, level=N, closeOnRelease, exclude=A,B, classes=A,B, anonymous, untrusted, refuse,
//   rename=T (the editor's menu)
//   open, shut, alpha=X, loading, loaded, title=T (_ for a space), target=A, reads=N,
//   monitors=N, observers=N, made=N (panels made), frames=N (since the mark), moved=H
//                                   what must hold then
// `extra` takes a step of the test's own first.
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

    void play(const QString& script) {
        static const std::map<QString, quint64> modifiers{{"super", ModifierFlag::command},
                                                          {"shift", ModifierFlag::shift},
                                                          {"control", ModifierFlag::control},
                                                          {"alt", ModifierFlag::option},
                                                          {"caps", ModifierFlag::capsLock},
                                                          {"num", ModifierFlag::numericPad},
                                                          {"up", 0}};
        static const std::map<QString, EventType> inputs{{"key", EventType::keyDown},
                                                         {"left", EventType::leftMouseDown},
                                                         {"right", EventType::rightMouseDown},
                                                         {"other", EventType::otherMouseDown},
                                                         {"scroll", EventType::scrollWheel}};
        int step = 0;
        for (const QString& token : script.split(' ', Qt::SkipEmptyParts)) {
            SCOPED_TRACE("step " + std::to_string(++step) + " (" + token.toStdString() + ") of " +
                         script.toStdString());
            const QString value = token.section('=', 1);
            bool isTime = false;
            const int ms = token.endsWith("ms") ? token.chopped(2).toInt(&isTime)
                                                : token.chopped(1).toInt(&isTime) * 1000;
            if (extra && extra(token)) {
                continue;
            }
            if (isTime && token.back() == 's') {
                scheduler.advance(std::chrono::milliseconds(ms));
            } else if (inputs.count(token)) {
                monitors.global({inputs.at(token), token == "key" ? 8 : 0, down});
            } else if (token == "local" || token == "escape") {
                EXPECT_EQ(monitors.local({EventType::keyDown, token == "local" ? 8 : 53, down}),
                          token == "local");
            } else if (token == "show") {
                controller.show();
            } else if (token == "hide") {
                controller.hide();
            } else if (token == "released") {
                controller.commandReleased();
            } else if (token == "prefetch") {
                controller.prefetch();
            } else if (token == "fromHold") {
                controller.showFromHold();
            } else if (token == "idle") {
                scheduler.runUntilIdle();
            } else if (token == "typing" || token == "typed") {
                window->editing = token == "typing";
            } else if (token.startsWith("announce=")) {
                workspace.announce(app(value));
            } else if (token.startsWith("front=")) {
                workspace.front = app(value);
            } else if (token.startsWith("hold=")) {
                Preferences(store).setHoldKey(fromRawValue<HoldKey>(value).value());
            } else if (token.startsWith("level=")) {
                Preferences(store).setHoldLevel(value.toInt());
            } else if (token == "closeOnRelease") {
                Preferences(store).setCloseOnRelease(true);
            } else if (token.startsWith("exclude=")) {
                Preferences(store).setExcludedApps(value.split(','));
            } else if (token.startsWith("classes=")) {
                workspace.front->windowClasses = value.split(',');
            } else if (token == "anonymous") {  // a window without an id or a class
                workspace.front = RunningApplication{editor.pid, "", "Editor", QImage(), 1, {}};
            } else if (token == "untrusted") {
                ax.trusted = false;
            } else if (token == "refuse") {
                monitors.refuse = true;
            } else if (token.startsWith("rename=")) {
                ax.menuBar(editor.pid).child(0).set("AXTitle", value);
            } else if (token == "open" || token == "shut") {
                EXPECT_EQ(panelVisible(), token == "open");
            } else if (token.startsWith("alpha=")) {
                EXPECT_EQ(window->currentAlpha, value.toDouble());
            } else if (token == "loading" || token == "loaded") {
                EXPECT_EQ(controller.model().isLoading(), token == "loading");
            } else if (token.startsWith("title=")) {
                EXPECT_EQ(title(), QString(value).replace('_', ' '));
            } else if (token.startsWith("target=")) {
                EXPECT_EQ(controller.model().targetPID, app(value) ? app(value)->pid : 0);
            } else if (token.startsWith("made=")) {
                EXPECT_EQ(panelsMade, value.toInt());
            } else if (token == "mark") {
                marked = window->frames;
            } else if (token.startsWith("frames=")) {
                EXPECT_EQ(window->frames - marked, value.toInt());
            } else if (token.startsWith("height=")) {
                controller.model().setContentHeight(value.toDouble());
            } else if (token.startsWith("moved=")) {  // animated, to that height
                EXPECT_TRUE(window->lastAnimated);
                EXPECT_EQ(window->lastFrame.height(), value.toDouble());
            } else if (token.startsWith("reads=")) {
                EXPECT_EQ(reads(), value.toInt());
            } else if (token.startsWith("monitors=")) {
                EXPECT_EQ(monitors.count(), value.toInt());
            } else if (token.startsWith("observers=")) {
                EXPECT_EQ(workspace.observers(), value.toInt());
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

    quint64 down = 0;
    int marked = 0;
    std::function<bool(const QString&)> extra;
};

}  // namespace holdsheet::testing
