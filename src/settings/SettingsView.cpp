#include "settings/SettingsView.h"

#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "settings/AboutSettings.h"
#include "settings/AppearanceSettings.h"
#include "settings/ContentSettings.h"
#include "settings/FormDivider.h"
#include "settings/GeneralSettings.h"
#include "settings/TabBar.h"
#include "ui/RetireWidget.h"

#include <QEvent>
#include <QShowEvent>
#include <QVBoxLayout>

namespace holdsheet {

SettingsView::SettingsView(SettingsServices services, std::function<void(double)> onHeight,
                           QWidget* parent)
    : QWidget(parent), services_(services), onHeight_(std::move(onHeight)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    build();
    subscription_ = services_.store.observe([this] {
        if (Preferences(services_.store).language() == language_ || rebuildPending_) {
            return;
        }
        // Not while the picker that chose the language is still reporting its choice.
        rebuildPending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                rebuildPending_ = false;
                if (Preferences(services_.store).language() != language_) {
                    build();
                }
            },
            Qt::QueuedConnection);
    });
}

SettingsView::~SettingsView() = default;

void SettingsView::build() {
    language_ = Preferences(services_.store).language();
    setLayoutDirection(services_.localization.layoutDirection());
    retireWidget(stack_);  // nothing of the old language stays
    content_ = nullptr;
    stack_ = new QWidget(this);
    stack_->setFixedWidth(viewWidth);
    auto* stack = new QVBoxLayout(stack_);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    tabBar_ = new TabBar(services_.localization, tab_, stack_);
    tabBar_->onSelect([this](SettingsTab tab) { setTab(tab); });
    holder_ = new QWidget(stack_);
    auto* padding = new QVBoxLayout(holder_);
    padding->setContentsMargins(contentPaddingX, contentPaddingY, contentPaddingX, contentPaddingY);
    stack->addWidget(tabBar_);
    stack->addWidget(new FormDivider(stack_));
    stack->addWidget(holder_);
    // At the top of whatever height the window has.
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(0, stack_, 0, Qt::AlignTop | Qt::AlignHCenter);
    if (layout->count() == 1) {
        layout->addStretch(1);
    }
    showTab(tab_);
    stack_->show();
}

void SettingsView::setTab(SettingsTab tab) {
    tab_ = tab;
    tabBar_->setSelection(tab);
    showTab(tab);
}

void SettingsView::showTab(SettingsTab tab) {
    retireWidget(content_);  // each tab reads its settings afresh
    switch (tab) {
        case SettingsTab::general:
            content_ = new GeneralSettings(services_, holder_);
            break;
        case SettingsTab::appearance:
            content_ = new AppearanceSettings(services_, holder_);
            break;
        case SettingsTab::content:
            content_ = new ContentSettings(services_, holder_);
            break;
        case SettingsTab::about:
            content_ = new AboutSettings(services_, holder_);
            break;
    }
    holder_->layout()->addWidget(content_);
    content_->show();
}

int SettingsView::contentHeight() const {
    const int forWidth = stack_->heightForWidth(viewWidth);
    return forWidth >= 0 ? forWidth : stack_->sizeHint().height();
}

QSize SettingsView::sizeHint() const {
    return {viewWidth, contentHeight()};
}

void SettingsView::reportHeight() {
    const int height = contentHeight();
    if (reported_ == height) {
        return;
    }
    reported_ = height;
    if (onHeight_) {
        onHeight_(height);
    }
}

bool SettingsView::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest && isVisible()) {
        reportHeight();  // the layout has settled on its new hints
    }
    return handled;
}

void SettingsView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) {
        return;  // a window coming back from the task bar, not an opening
    }
    if (shownBefore_) {
        tab_ = SettingsTab::general;
        tabBar_->setSelection(tab_);
        showTab(tab_);
    }
    shownBefore_ = true;
    reportHeight();
}

}  // namespace holdsheet
