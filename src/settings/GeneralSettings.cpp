#include "settings/GeneralSettings.h"

#include "permissions/ShellExtension.h"
#include "platform/LoginItems.h"
#include "prefs/HoldKeyTexts.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "settings/FormDivider.h"
#include "settings/Hint.h"
#include "settings/LanguagePicker.h"
#include "settings/LaunchAtLogin.h"
#include "settings/MinMaxSlider.h"
#include "settings/PermissionCard.h"
#include "settings/SegmentedPicker.h"
#include "settings/ToggleRow.h"
#include "ui/ExtensionCard.h"

#include <QSlider>
#include <QVBoxLayout>

namespace holdsheet {

namespace {
QStringList holdKeyNames(const Localization& localization) {
    QStringList names;
    for (const HoldKey key : allCases<HoldKey>()) {
        names << holdKeyName(localization, key);
    }
    return names;
}
}  // namespace

GeneralSettings::GeneralSettings(SettingsServices services, QWidget* parent)
    : QWidget(parent), services_(services) {
    const Localization& text = services_.localization;
    PreferenceStore& store = services_.store;
    const Preferences stored(store);
    auto localized = [&text](const char* key) { return text.localized(QLatin1String(key)); };

    card_ = new PermissionCard(services_.permission, text, this);
    extension_ = new ExtensionCard(services_.extension, text, PermissionCard::cornerRadius, this);
    const auto showExtension = [this] {
        extension_->setVisible(services_.extension.state() != ShellExtensionState::notNeeded);
    };
    connect(&services_.extension, &ShellExtension::stateChanged, extension_, showExtension);
    showExtension();

    holdKey_ = new SegmentedPicker(holdKeyNames(text), static_cast<int>(stored.holdKey()));
    holdKey_->onChange([&store = services_.store](int index) {
        Preferences(store).setHoldKey(allCases<HoldKey>()[static_cast<std::size_t>(index)]);
    });

    holdSlider_ = new MinMaxSlider(Preferences::lowestHoldLevel, Preferences::highestHoldLevel,
                                   Preferences::holdLevelStep, localized("settings.hold.short"),
                                   localized("settings.hold.long"));
    holdSlider_->slider()->setAccessibleName(localized("settings.hold.label"));
    holdSlider_->setValue(stored.holdLevel());
    holdSlider_->onChange(
        [&store = services_.store](double level) { Preferences(store).setHoldLevel(level); });
    holdHint_ = new Hint(QString());
    auto* hold = new QWidget;
    auto* holdStack = new QVBoxLayout(hold);
    holdStack->setContentsMargins(0, 0, 0, 0);
    holdStack->setSpacing(6);
    holdStack->addWidget(holdSlider_);
    holdStack->addWidget(holdHint_);

    closeOnRelease_ = new ToggleRow(
        QString(), stored.closeOnRelease(),
        [&store = services_.store](bool on) { Preferences(store).setCloseOnRelease(on); });
    menuBarIcon_ = new ToggleRow(
        localized("settings.menuBarIcon"), stored.showMenuBarIcon(),
        [&store = services_.store](bool on) { Preferences(store).setShowMenuBarIcon(on); });
    // Read from the desktop now: it may have changed since the tab was last shown.
    launchAtLogin_ = new ToggleRow(
        localized("settings.launchAtLogin"), services_.loginItems.enabled(), [this](bool on) {
            const bool shown = changeLaunchAtLogin(services_.loginItems, services_.log, on);
            // Showing the desktop's state asks nothing of it.
            launchAtLogin_->setOn(shown);
        });

    language_ = new LanguagePicker(text);
    language_->setLanguage(stored.language());
    connect(language_, &QComboBox::activated, this,
            [this] { Preferences(services_.store).setLanguage(language_->language()); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addWidget(card_);
    layout->addWidget(extension_);
    layout->addWidget(new FormDivider);
    layout->addWidget(new Row(localized("settings.holdKey"), false, holdKey_));
    layout->addWidget(new Row(localized("settings.hold.label"), true, hold));
    layout->addWidget(new FormDivider);
    layout->addWidget(closeOnRelease_);
    layout->addWidget(menuBarIcon_);
    layout->addWidget(launchAtLogin_);
    layout->addWidget(new FormDivider);
    layout->addWidget(new Row(localized("settings.language"), false, language_));

    showStored();
    subscription_ = store.observe([this] { showStored(); });
}

void GeneralSettings::showStored() {
    const Preferences stored(services_.store);
    const HoldKey key = stored.holdKey();
    const Localization& text = services_.localization;
    holdKey_->setSelected(static_cast<int>(key));
    holdSlider_->setValue(stored.holdLevel());
    holdHint_->setText(holdKeyText(text, QStringLiteral("settings.hold.help"), key));
    closeOnRelease_->setLabel(holdKeyText(text, QStringLiteral("settings.closeOnRelease"), key));
    closeOnRelease_->setOn(stored.closeOnRelease());
    menuBarIcon_->setOn(stored.showMenuBarIcon());
    language_->setLanguage(stored.language());
}

}  // namespace holdsheet
