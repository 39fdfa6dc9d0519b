#include "E2eSupport.h"

#include "platform/posix/FileLock.h"

#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace holdsheet::e2e {
namespace {

bool darkBecomes(bool dark) {
    return waitUntil([dark] {
        const QVariantMap status = panelStatus();
        return status.contains("dark") && status.value("dark").toBool() == dark;
    });
}

// "theme" as the user sets it by hand while the program runs, and "system" following the
// desktop portal's colour scheme as it changes.
TEST(Theme, FollowsThePreferenceAndTheDesktopsColourScheme) {
    RunningApp portal{
        QStringList{"/usr/bin/python3", E2E_SOURCE_DIR "/fixtures/fake-desktop.py", "portal", "1"}};
    ASSERT_TRUE(waitUntil([] { return nameOnBus("org.freedesktop.portal.Desktop"); }, 30s));
    QTemporaryDir config;
    const QString file = config.path() + "/Holdsheet/Holdsheet.conf";
    RunningApp holdsheet{QStringList{HOLDSHEET_BINARY}, withSettings(config.path())};
    ASSERT_TRUE(holdsheetAnswers());
    EXPECT_TRUE(darkBecomes(true)) << "the portal prefers dark";

    ::kill(portal.pid(), SIGUSR1);
    EXPECT_TRUE(darkBecomes(false)) << "the portal turned light";

    // As a careful editor writes: under the program's lock and whole, so that a write of
    // the program's own in the same instant neither loses this one nor reads half of it.
    const auto writeTheme = [&](const QByteArray& theme) {
        const FileLock lock(file + ".lock", 10s);
        QSaveFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("[General]\nhasOnboarded=true\ntheme=" + theme + "\n");
        ASSERT_TRUE(out.commit());
    };
    writeTheme("dark");
    EXPECT_TRUE(darkBecomes(true)) << "theme=dark by hand";
    ::kill(portal.pid(), SIGUSR1);  // the desktop does not override a chosen theme
    writeTheme("light");
    EXPECT_TRUE(darkBecomes(false));
    ::kill(portal.pid(), SIGUSR2);
    writeTheme("system");
    EXPECT_TRUE(darkBecomes(true)) << "system: the portal's dark again";
}

}  // namespace
}  // namespace holdsheet::e2e
