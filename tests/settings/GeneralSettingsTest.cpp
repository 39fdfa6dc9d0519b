#include "settings/GeneralSettings.h"

#include "permissions/ShellExtension.h"
#include "platform/freedesktop/XdgAutostart.h"
#include "settings/Hint.h"
#include "settings/LanguagePicker.h"
#include "settings/LinkButton.h"
#include "settings/MinMaxSlider.h"
#include "settings/PermissionCard.h"
#include "settings/SegmentedPicker.h"
#include "settings/SettingsHarness.h"
#include "settings/StatusSymbol.h"
#include "settings/SwitchButton.h"
#include "settings/ToggleRow.h"
#include "ui/ExtensionCard.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using General = testing::TabTest<GeneralSettings>;

TEST_F(General, WithNothingStoredShowsTheDefaultsAndTheLanguagesInTheirOwnNames) {
    const auto tab = open();
    EXPECT_EQ(tab->holdSlider()->slider()->value(), 6);
    EXPECT_EQ(tab->holdSlider()->value(), 6.0);
    EXPECT_FALSE(tab->closeOnReleaseRow()->isOn());
    EXPECT_TRUE(tab->menuBarIconRow()->isOn());
    EXPECT_FALSE(tab->launchAtLoginRow()->isOn());
    EXPECT_EQ(tab->languagePicker()->currentIndex(), 0);
    EXPECT_EQ(tab->languagePicker()->language(), "system");
    EXPECT_EQ(tab->languagePicker()->currentText(), "System Language");
    EXPECT_EQ(tab->holdKeyPicker()->selected(), 0);
    EXPECT_EQ(tab->holdKeyPicker()->segment(0)->text(), "Super");
    EXPECT_TRUE(store.writes.isEmpty()) << store.writes.join(',').toStdString();
    EXPECT_EQ(loginItems.requests, 0);

    // The languages follow a separator, in their own names; choosing one stores its code.
    LanguagePicker& picker = *tab->languagePicker();
    ASSERT_EQ(picker.count(), 2 + 34);
    EXPECT_TRUE(picker.itemData(1).isNull()) << "a separator";
    EXPECT_EQ(picker.itemData(2).toString(), "ar");
    EXPECT_EQ(picker.itemText(2), "العربية");
    EXPECT_EQ(picker.itemData(35).toString(), "zh-Hant");
    EXPECT_EQ(picker.itemText(35), "繁體中文");

    const int portuguese = picker.findData("pt-BR");
    ASSERT_GT(portuguese, 1);
    picker.setCurrentIndex(portuguese);
    emit picker.activated(portuguese);
    EXPECT_EQ(Preferences(store).language(), "pt-BR");
    picker.setCurrentIndex(0);
    emit picker.activated(0);
    EXPECT_EQ(store.writes.size(), 2);
    EXPECT_EQ(Preferences(store).language(), "system") << "the first entry";
}

TEST_F(General, TheCardFollowsThePermissionLiveAndLeadsToTheAccessibilitySettings) {
    setTrusted(false);
    const auto tab = open();
    const PermissionCard& card = *tab->permissionCard();
    for (const bool trusted : {false, true, false}) {
        setTrusted(trusted);
        SCOPED_TRACE(trusted);
        EXPECT_EQ(card.showsTrusted(), trusted);
        EXPECT_EQ(card.symbol()->symbol(),
                  trusted ? "checkmark.circle.fill" : "exclamationmark.triangle.fill");
        EXPECT_EQ(card.symbol()->colour(), trusted ? QColor(52, 199, 89) : QColor(255, 149, 0));
        EXPECT_EQ(card.status()->text(),
                  trusted ? "Accessibility support is on" : "Accessibility support is off");
        EXPECT_EQ(card.body()->isVisible(), !trusted);
        EXPECT_EQ(card.button()->isVisible(), !trusted);
        EXPECT_TRUE(card.link()->isVisible());
    }
    EXPECT_TRUE(card.body()->text().startsWith("Holdsheet reads app menus"));

    // The button and the link lead to the accessibility settings.
    ax.prompts = 0;
    QTest::mouseClick(tab->permissionCard()->button(), Qt::LeftButton);
    EXPECT_EQ(ax.prompts, 1) << "the desktop is asked first";
    QTest::mouseClick(tab->permissionCard()->link(), Qt::LeftButton);
    EXPECT_EQ(runner.log,
              (std::vector<std::string>{"launch gnome-control-center universal-access",
                                        "launch gnome-control-center universal-access"}));
}

TEST_F(General, TheControlsStoreTheirKeysAndTheHoldKeyIsNamedInTheTextsAboutIt) {
    Preferences(store).setHoldLevel(3);
    const auto tab = open();
    EXPECT_EQ(tab->holdSlider()->slider()->value(), 3) << "the stored step";
    EXPECT_TRUE(tab->closeOnReleaseRow()->label()->text().contains("Super"));
    EXPECT_TRUE(tab->holdHint()->text().contains("Super"));
    QTest::mouseClick(tab->holdKeyPicker()->segment(1), Qt::LeftButton);
    EXPECT_EQ(Preferences(store).holdKey(), HoldKey::control);
    EXPECT_EQ(tab->closeOnReleaseRow()->label()->text(), "Close When Ctrl Is Released");
    EXPECT_EQ(tab->closeOnReleaseRow()->toggle()->accessibleName(), "Close When Ctrl Is Released");
    EXPECT_TRUE(tab->holdHint()->text().contains("Ctrl"));
    EXPECT_FALSE(tab->holdHint()->text().contains("%1"));
    // Chosen elsewhere (the settings file), it shows here too.
    Preferences(store).setHoldKey(HoldKey::alt);
    EXPECT_EQ(tab->holdKeyPicker()->selected(), 2);
    EXPECT_EQ(tab->closeOnReleaseRow()->label()->text(), "Close When Alt Is Released");

    // The slider stores the step, the switches their keys.
    tab->holdSlider()->slider()->setValue(10);
    EXPECT_DOUBLE_EQ(Preferences(store).holdLevel(), 10);
    QTest::mouseClick(tab->closeOnReleaseRow()->toggle(), Qt::LeftButton);
    QTest::mouseClick(tab->menuBarIconRow()->toggle(), Qt::LeftButton);
    EXPECT_TRUE(Preferences(store).closeOnRelease());
    EXPECT_FALSE(Preferences(store).showMenuBarIcon());
}

// A failed change logs one line, and the switch shows the desktop's state again.
TEST_F(General, StartAtLoginIsReadWhenTheTabIsMadeAndChangedByTheSwitch) {
    loginItems.on = true;
    const auto tab = open();
    EXPECT_TRUE(tab->launchAtLoginRow()->isOn());
    QTest::mouseClick(tab->launchAtLoginRow()->toggle(), Qt::LeftButton);
    EXPECT_FALSE(loginItems.on);
    EXPECT_EQ(loginItems.requests, 1);
    EXPECT_TRUE(log.lines.isEmpty());

    loginItems.failure = QStringLiteral("the folder is read-only");
    QTest::mouseClick(tab->launchAtLoginRow()->toggle(), Qt::LeftButton);
    EXPECT_FALSE(tab->launchAtLoginRow()->isOn());
    EXPECT_EQ(log.lines, QStringList{"Holdsheet: kunne ikke endre oppstart ved innlogging: the "
                                     "folder is read-only"});
    EXPECT_EQ(loginItems.requests, 2) << "showing the state back asks the desktop nothing";
}

// On the real adapter: the autostart entry in a private configuration folder.
TEST_F(General, TheSwitchWritesAndRemovesTheAutostartEntry) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    XdgAutostart autostart(QStringLiteral("/opt/holdsheet/bin/holdsheet"));
    GeneralSettings tab(services({}, &autostart));
    SwitchButton& toggle = *tab.launchAtLoginRow()->toggle();
    QFile entry(config.path() + "/autostart/holdsheet.desktop");
    EXPECT_FALSE(toggle.isChecked());
    toggle.click();
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains("\nExec=/opt/holdsheet/bin/holdsheet\n"));
    EXPECT_TRUE(toggle.isChecked());
    toggle.click();
    EXPECT_FALSE(entry.exists());
    EXPECT_FALSE(toggle.isChecked());
    EXPECT_TRUE(log.lines.isEmpty());
    qunsetenv("XDG_CONFIG_HOME");
}

// Under the permission, the Shell extension's state (the welcome window's card) where the
// session needs one, following it live. Its picture is kept for a person to look at.
TEST_F(General, TheShellExtensionRowFollowsItsStateAndIsAbsentWhereNotNeeded) {
    using State = ShellExtensionState;
    runner.installed.insert(ShellExtension::tool);  // the button, in the picture
    const auto tab = open();
    const ExtensionCard& card = *tab->extensionCard();
    for (const State state :
         {State::notNeeded, State::missing, State::active, State::notNeeded, State::disabled}) {
        extension.setState(state);
        settle();
        ASSERT_EQ(card.isVisibleTo(tab.get()), state != State::notNeeded) << int(state);
        EXPECT_EQ(card.shownState(), state);
    }
    EXPECT_GT(testing::inView(*tab, card).top(),
              testing::inView(*tab, *tab->permissionCard()).bottom());
    EXPECT_EQ(card.status()->text(), "The Shell extension is off.");
    showInTab(*tab);
    const QString artifacts = QStringLiteral(HOLDSHEET_ARTIFACTS);
    QDir().mkpath(artifacts);
    EXPECT_TRUE(tab->grab().save(artifacts + "/settings-extension.png"));
}

}  // namespace
}  // namespace holdsheet
