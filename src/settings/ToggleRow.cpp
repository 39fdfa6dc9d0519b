#include "settings/ToggleRow.h"

#include "settings/SwitchButton.h"

#include <QLabel>
#include <QSignalBlocker>

namespace holdsheet {

namespace {
SwitchButton* makeToggle(const QString& label, bool on) {
    auto* toggle = new SwitchButton;
    toggle->setChecked(on);
    toggle->setAccessibleName(label);
    return toggle;
}
}  // namespace

ToggleRow::ToggleRow(const QString& label, bool on, std::function<void(bool)> onToggle,
                     QWidget* parent)
    : Row(label, false, makeToggle(label, on), parent),
      toggle_(static_cast<SwitchButton*>(content())) {
    connect(toggle_, &QAbstractButton::toggled, this, [onToggle = std::move(onToggle)](bool on) {
        if (onToggle) {
            onToggle(on);
        }
    });
}

bool ToggleRow::isOn() const {
    return toggle_->isChecked();
}

void ToggleRow::setOn(bool on) {
    const QSignalBlocker quiet(toggle_);
    toggle_->setChecked(on);
}

void ToggleRow::setLabel(const QString& label) {
    this->label()->setText(label);
    toggle_->setAccessibleName(label);
}

}  // namespace holdsheet
