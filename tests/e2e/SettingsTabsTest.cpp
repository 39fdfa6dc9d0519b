// The settings window of the running program, used as a person uses it: opened by a second
// launch, its tabs switched and its controls clicked with the pointer, their effect seen on
// the panel, the trigger and the settings file.
#include "E2eSupport.h"

#include "platform/x11/ActiveWindow.h"

#include <gtest/gtest.h>

namespace holdsheet::e2e {
namespace {

class SettingsTabs : public OverEditor {
  protected:
    void SetUp() override { start(); }
    // The panel over the editor, opened by holding Super: the height of its content.
    double heldPanelHeight() {
        xdotool({"keydown", "super"});
        const bool opened = panelOpens();
        xdotool({"keyup", "super"});
        EXPECT_TRUE(opened);
        EXPECT_TRUE(sheetLoaded());
        double height = 0;
        // The content reports its height once laid out.
        EXPECT_TRUE(waitUntil(
            [&] { return (height = panelStatus().value("contentHeight").toDouble()) > 0; }));
        xdotool({"key", "Escape"});
        EXPECT_TRUE(panelCloses());
        return height;
    }
    // Opens a tab and waits until a text of its own shows and the window holds still.
    void openTab(const QString& tab, const QString& mark) {
        ASSERT_TRUE(clickAccessible(holdsheet->pid(), tab, true)) << tab.toStdString();
        ASSERT_TRUE(waitForAccessible(holdsheet->pid(), mark)) << mark.toStdString();
        QString before;
        int steady = 0;
        waitUntil([&] {
            const QString now = xdotool({"getwindowgeometry", settingsWindow});
            steady = now == before ? steady + 1 : 0;
            before = now;
            return steady >= 3;
        });
    }
    void screenshotOfWindow(const QString& name) {
        screenshot(name + ".png", {"-window", settingsWindow});
    }

    QString settingsWindow;
};

TEST_F(SettingsTabs, EveryTabTheTextSizeAndAnExcludedApplication) {
    const double medium = heldPanelHeight();  // a hold over the editor opens the panel

    ASSERT_EQ(runHoldsheet({}).exitCode, 0);  // a second launch opens the settings
    ASSERT_TRUE(waitUntil([] { return openWindows() == QStringList{"settings"}; }));
    ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == holdsheet->pid(); }));
    settingsWindow = windowOf(holdsheet->pid(), "Holdsheet Settings");
    ASSERT_FALSE(settingsWindow.isEmpty());
    ASSERT_TRUE(waitForAccessible(holdsheet->pid(), "Hold Duration")) << "General first";

    const std::pair<const char*, const char*> tabs[] = {{"General", "Hold Duration"},
                                                        {"Appearance", "Panel Material"},
                                                        {"Content", "Excluded Apps"},
                                                        {"About", "Made by"}};
    for (const auto& [tab, mark] : tabs) {
        openTab(tab, mark);
        screenshotOfWindow(QStringLiteral("settings-window-%1-light").arg(QString(tab).toLower()));
    }

    // The text size, then the dark theme, by their segments.
    openTab("Appearance", "Panel Material");
    ASSERT_TRUE(clickAccessible(holdsheet->pid(), "Large", true));
    EXPECT_TRUE(waitUntil([&] { return settingsFile().contains("textSize=large"); }))
        << settingsFile().toStdString();
    ASSERT_TRUE(clickAccessible(holdsheet->pid(), "Dark", true));
    EXPECT_TRUE(waitUntil([] { return panelStatus().value("dark").toBool(); }));
    for (const auto& [tab, mark] : tabs) {
        openTab(tab, mark);
        screenshotOfWindow(QStringLiteral("settings-window-%1-dark").arg(QString(tab).toLower()));
    }

    // The editor excluded through the chooser of installed applications.
    openTab("Content", "Excluded Apps");
    ASSERT_TRUE(clickAccessible(holdsheet->pid(), "Add App"));
    ASSERT_TRUE(waitUntil(
        [&] { return !windowOf(holdsheet->pid(), "Choose an App to Exclude").isEmpty(); }));
    ASSERT_TRUE(waitForAccessible(holdsheet->pid(), "Search Apps", true));
    xdotool({"type", "--delay", "30", "mousepad"});
    ASSERT_TRUE(clickAccessible(holdsheet->pid(), "Mousepad", true));
    ASSERT_TRUE(clickAccessible(holdsheet->pid(), "Exclude", true));
    EXPECT_TRUE(waitUntil([&] {
        return settingsFile().contains(QStringLiteral("excludedApps=org.xfce.mousepad"));
    })) << settingsFile().toStdString();
    EXPECT_TRUE(waitForAccessible(holdsheet->pid(), "Remove Mousepad", true))
        << "listed with the name of its launcher entry";
    screenshotOfWindow(QStringLiteral("settings-window-content-excluded"));

    // Over the editor again: the panel's rows are larger, and holding Super opens nothing.
    ASSERT_TRUE(activate(editor.pid()));
    showPanel();
    double large = 0;
    EXPECT_TRUE(waitUntil([&] {
        return (large = panelStatus().value("contentHeight").toDouble()) > medium;
    })) << "medium "
        << medium << ", large " << large;
    ASSERT_EQ(runHoldsheet({"hide"}).exitCode, 0);
    ASSERT_TRUE(panelCloses());

    ASSERT_EQ(activeWindowPid(), editor.pid());
    xdotool({"keydown", "super"});
    EXPECT_FALSE(waitUntil(panelVisible, 4s)) << "excluded: a hold twice the delay opens nothing";
    xdotool({"keyup", "super"});
}

}  // namespace
}  // namespace holdsheet::e2e
