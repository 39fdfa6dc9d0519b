#include "app/SettingsWindowController.h"
#include "app/TourWindowController.h"
#include "app/WelcomeWindowController.h"
#include "app/WindowHarness.h"
#include "settings/SettingsHarness.h"
#include "settings/SettingsView.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using testing::WindowHarness;

void save(QWidget& window, const QString& name) {
    const QString folder = QStringLiteral(HOLDSHEET_ARTIFACTS);
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    const QImage image = window.grab().toImage();
    ASSERT_FALSE(image.isNull()) << name.toStdString();
    EXPECT_EQ(image.size(), window.size()) << name.toStdString();
    ASSERT_TRUE(image.save(path)) << path.toStdString();
}

TEST(WindowScreenshots, EachWindowIsDrawn) {
    WindowHarness platform;
    testing::SettingsHarness services;
    SettingsWindowController settings(
        platform.platform(), {}, [&](std::function<void(double)> onHeight) {
            return std::make_unique<SettingsView>(services.services(), std::move(onHeight));
        });
    WelcomeWindowController welcome(platform.platform(), platform.permission, {});
    TourWindowController tour(platform.platform(), false, {});
    settings.show();
    welcome.show();
    tour.show();
    testing::SettingsHarness::settle();
    save(*settings.window(), QStringLiteral("settings-window.png"));
    save(*welcome.window(), QStringLiteral("welcome-window.png"));
    save(*tour.window(), QStringLiteral("tour-window.png"));
}

}  // namespace
}  // namespace holdsheet
