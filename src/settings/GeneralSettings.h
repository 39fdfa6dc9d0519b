#pragma once

#include "platform/PreferenceStore.h"
#include "settings/SettingsServices.h"

#include <QWidget>

namespace holdsheet {

class ExtensionCard;
class Hint;
class LanguagePicker;
class MinMaxSlider;
class PermissionCard;
class SegmentedPicker;
class ToggleRow;

// The General tab: the permission, the Shell extension where the session needs one, the hold key
// and how long to hold it, closing on release, the tray icon, starting at login and the interface
// language. Each control reads and writes its stored setting and shows it as it changes; starting
// at login is read from the desktop when the tab is made.
class GeneralSettings : public QWidget {
  public:
    static constexpr int spacing = 18;

    explicit GeneralSettings(SettingsServices services, QWidget* parent = nullptr);

    PermissionCard* permissionCard() const { return card_; }
    ExtensionCard* extensionCard() const { return extension_; }
    SegmentedPicker* holdKeyPicker() const { return holdKey_; }
    MinMaxSlider* holdSlider() const { return holdSlider_; }
    Hint* holdHint() const { return holdHint_; }
    ToggleRow* closeOnReleaseRow() const { return closeOnRelease_; }
    ToggleRow* menuBarIconRow() const { return menuBarIcon_; }
    ToggleRow* launchAtLoginRow() const { return launchAtLogin_; }
    LanguagePicker* languagePicker() const { return language_; }

  private:
    void showStored();

    SettingsServices services_;
    PermissionCard* card_;
    ExtensionCard* extension_;
    SegmentedPicker* holdKey_;
    MinMaxSlider* holdSlider_;
    Hint* holdHint_;
    ToggleRow* closeOnRelease_;
    ToggleRow* menuBarIcon_;
    ToggleRow* launchAtLogin_;
    LanguagePicker* language_;
    PreferenceStore::Subscription subscription_;
};

}  // namespace holdsheet
