#pragma once

#include "settings/Row.h"

#include <functional>

namespace holdsheet {

class SwitchButton;

// A row whose content is a switch. The label stands in the row's label column; the switch
// carries it as its accessible name.
class ToggleRow : public Row {
  public:
    ToggleRow(const QString& label, bool on, std::function<void(bool)> onToggle,
              QWidget* parent = nullptr);

    SwitchButton* toggle() const { return toggle_; }
    bool isOn() const;
    // Shows a state without reporting it as the user's change.
    void setOn(bool on);
    void setLabel(const QString& label);

  private:
    SwitchButton* toggle_;
};

}  // namespace holdsheet
