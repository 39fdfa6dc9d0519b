#include "settings/TabBar.h"

#include "prefs/Localization.h"
#include "settings/SettingsTabs.h"
#include "settings/TabButton.h"
#include "ui/SheetStyle.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>

namespace holdsheet {

TabBar::TabBar(const Localization& localization, SettingsTab selection, QWidget* parent)
    : QWidget(parent), selection_(selection) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, paddingAbove, 0, paddingBelow);
    layout->setSpacing(spacing);
    layout->addStretch(1);
    for (const SettingsTab tab : allCases<SettingsTab>()) {
        auto* button = new TabButton(tab, localization.localized(settingsTabTitleKey(tab)), this);
        buttons_[static_cast<std::size_t>(tab)] = button;
        layout->addWidget(button, 0, Qt::AlignVCenter);
        connect(button, &QAbstractButton::clicked, this, [this, tab] {
            setSelection(tab);
            if (onSelect_) {
                onSelect_(tab);
            }
        });
        button->onHover([this, tab](bool inside) {
            if (inside) {
                pointerEntered(tab);
            } else {
                pointerLeft(tab);
            }
        });
    }
    layout->addStretch(1);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    refresh();
}

TabButton* TabBar::button(SettingsTab tab) const {
    return buttons_[static_cast<std::size_t>(tab)];
}

void TabBar::setSelection(SettingsTab tab) {
    selection_ = tab;
    refresh();
}

void TabBar::pointerEntered(SettingsTab tab) {
    hovered_ = tab;
    refresh();
}

void TabBar::pointerLeft(SettingsTab tab) {
    if (hovered_ == tab) {
        hovered_.reset();
        refresh();
    }
}

void TabBar::refresh() {
    for (TabButton* button : buttons_) {
        button->setSelected(button->tab() == selection_);
        button->setHovering(hovered_ == button->tab());
    }
}

void TabBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, withOpacity(primaryText(palette()), 0.075));
    gradient.setColorAt(1, withOpacity(primaryText(palette()), 0.03));
    painter.fillRect(rect(), gradient);
}

}  // namespace holdsheet
