#include "E2eSupport.h"

#include "platform/linux/ActiveWindow.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace holdsheet::e2e {
namespace {

// The settings window of a program in the background comes to the front over the
// application the user works in, every time it is asked to: when it is first built, when
// it lies behind that application, when it is minimised and when it was closed.
class SettingsWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        ASSERT_TRUE(waitUntil([&] { return !windowOf(app.pid()).isEmpty(); }, 30s));
        appWindow = windowOf(app.pid());
        ASSERT_TRUE(waitUntil([&] { return activeWindow() == appWindow; }, 30s))
            << "the fixture application never became active";
        driver.setProcessEnvironment(
            withConfigFile(config.path(), "Holdsheet/Holdsheet.conf", "[General]\nlanguage=de\n"));
        driver.start(QStringLiteral(SETTINGS_DRIVER), {});
        ASSERT_TRUE(driver.waitForStarted(30000));
    }
    void TearDown() override {
        driver.closeWriteChannel();
        if (!driver.waitForFinished(20000)) {
            driver.kill();
            driver.waitForFinished();
        }
    }

    // Sends a command and returns the settings window's id once the driver has run it.
    QString command(const char* line) {
        driver.write(QByteArray(line) + '\n');
        driver.waitForBytesWritten(10000);
        const bool answered = waitUntil(
            [&] {
                if (!driver.canReadLine()) {
                    driver.waitForReadyRead(100);
                }
                return driver.canReadLine();
            },
            30s);
        EXPECT_TRUE(answered) << "no answer to " << line;
        return QString::fromLatin1(driver.readLine()).trimmed();
    }
    static QString activeWindow() { return runTool("xdotool", {"getactivewindow"}); }
    void activateApp() {
        runTool("xdotool", {"windowactivate", appWindow});
        ASSERT_TRUE(waitUntil([&] { return activeWindow() == appWindow; }, 30s))
            << "the fixture application did not take the focus back";
        // The user works in it: its window's last user time is now later than anything the
        // program has seen.
        runTool("xdotool", {"key", "--window", appWindow, "--clearmodifiers", "shift"});
        runTool("xdotool", {"key", "shift"});
    }
    bool becomesActive(const QString& window) {
        return waitUntil([&] { return activeWindow() == window; }, 30s);
    }

    QTemporaryDir config;
    RunningApp app{Toolkit::gtk, {{0, "menu", "_File", "", ""}, {1, "item", "_New", "", ""}}};
    QString appWindow;
    QProcess driver;
};

TEST_F(SettingsWindow, ComesToTheFrontOverTheActiveApplicationAtEveryShowing) {
    const QString settings = command("show");
    ASSERT_FALSE(settings.isEmpty());
    ASSERT_NE(settings, "0");
    EXPECT_TRUE(becomesActive(settings)) << "first showing";
    EXPECT_EQ(runTool("xdotool", {"getwindowname", settings}), "Holdsheet-Einstellungen");
    EXPECT_EQ(activeWindowPid(), driver.processId());
    screenshot("settings-window-over-app.png");

    // Left open behind the application.
    activateApp();
    EXPECT_EQ(command("show"), settings);
    EXPECT_TRUE(becomesActive(settings)) << "shown again while behind another application";

    // Minimised, then shown again.
    runTool("xdotool", {"windowminimize", settings});
    ASSERT_TRUE(waitUntil([&] { return activeWindow() != settings; }, 30s));
    activateApp();
    EXPECT_EQ(command("show"), settings);
    EXPECT_TRUE(becomesActive(settings)) << "shown again while minimised";

    // Closed, then shown again (Qt gives the window a new X window when it shows again).
    command("close");
    EXPECT_TRUE(waitUntil([&] { return windowOf(driver.processId()).isEmpty(); }, 30s));
    activateApp();
    const QString reopened = command("show");
    EXPECT_TRUE(becomesActive(reopened)) << "shown again after a close";
    EXPECT_EQ(runTool("xdotool", {"getwindowname", reopened}), "Holdsheet-Einstellungen");
}

}  // namespace
}  // namespace holdsheet::e2e
