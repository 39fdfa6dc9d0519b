#pragma once

#include "platform/PreferenceStore.h"
#include "settings/SettingsServices.h"

#include <QWidget>

class QPushButton;

namespace holdsheet {

class ExcludedList;
class Hint;
class ToggleRow;

// The Content tab: whether the sheet lists the desktop's shortcuts and disabled commands,
// and the applications over which holding the key never opens it.
class ContentSettings : public QWidget {
  public:
    static constexpr int spacing = 18;
    static constexpr int excludedSpacing = 10;

    explicit ContentSettings(SettingsServices services, QWidget* parent = nullptr);

    ToggleRow* showSystemRow() const { return showSystem_; }
    ToggleRow* showDisabledRow() const { return showDisabled_; }
    ExcludedList* excludedList() const { return excluded_; }
    QPushButton* addButton() const { return add_; }
    Hint* help() const { return help_; }

    // Asks for an application and appends it unless it is listed already.
    void addApplication();

  private:
    void showStored();

    SettingsServices services_;
    ToggleRow* showSystem_;
    ToggleRow* showDisabled_;
    ExcludedList* excluded_;
    QPushButton* add_;
    Hint* help_;
    PreferenceStore::Subscription subscription_;
};

}  // namespace holdsheet
