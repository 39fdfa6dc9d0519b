#include "settings/SettingsView.h"

#include "prefs/Localization.h"

#include <QLabel>
#include <QVBoxLayout>

namespace holdsheet {

SettingsView::SettingsView(const Localization& localization, std::function<void(double)> onHeight,
                           QWidget* parent)
    : QWidget(parent), onHeight_(std::move(onHeight)) {
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(localization.localized(QStringLiteral("settings.title")), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
}

void SettingsView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (onHeight_) {
        onHeight_(sizeHint().height());
    }
}

}  // namespace holdsheet
