#include "settings/ContentSettings.h"

#include "prefs/HoldKeyTexts.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "settings/ApplicationChooser.h"
#include "settings/ExcludedApps.h"
#include "settings/ExcludedList.h"
#include "settings/FormDivider.h"
#include "settings/Hint.h"
#include "settings/Row.h"
#include "settings/ToggleRow.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace holdsheet {

ContentSettings::ContentSettings(SettingsServices services, QWidget* parent)
    : QWidget(parent), services_(services) {
    const Localization& text = services_.localization;
    auto localized = [&text](const char* key) { return text.localized(QLatin1String(key)); };
    const Preferences stored(services_.store);

    showSystem_ = new ToggleRow(
        localized("settings.showSystem"), stored.showSystemShortcuts(),
        [&store = services_.store](bool on) { Preferences(store).setShowSystemShortcuts(on); });
    showDisabled_ = new ToggleRow(
        localized("settings.showDisabled"), stored.showDisabled(),
        [&store = services_.store](bool on) { Preferences(store).setShowDisabled(on); });

    auto* box = new QWidget;
    auto* stack = new QVBoxLayout(box);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(excludedSpacing);
    excluded_ = new ExcludedList(services_.applications, text, box);
    excluded_->onRemove(
        [&store = services_.store](const QString& id) { removeExcludedApp(store, id); });
    add_ = new QPushButton(localized("settings.excluded.add"), box);
    connect(add_, &QPushButton::clicked, this, [this] { addApplication(); });
    help_ = new Hint(QString(), box);
    stack->addWidget(excluded_);
    stack->addWidget(add_, 0, Qt::AlignLeading);
    stack->addWidget(help_);
    auto* excludedRow = new Row(localized("settings.excluded.title"), true, box);
    excludedRow->setFirstLineHeight(excluded_->entryHeight());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addWidget(showSystem_);
    layout->addWidget(showDisabled_);
    layout->addWidget(new FormDivider);
    layout->addWidget(excludedRow);

    showStored();
    // The list follows the stored one, also when the settings file is edited meanwhile.
    subscription_ = services_.store.observe([this] { showStored(); });
}

void ContentSettings::showStored() {
    const Preferences stored(services_.store);
    showSystem_->setOn(stored.showSystemShortcuts());
    showDisabled_->setOn(stored.showDisabled());
    const QStringList excluded = stored.excludedApps();
    if (excluded != excluded_->ids()) {
        excluded_->setIds(excluded);
    }
    const Localization& text = services_.localization;
    help_->setText(holdKeyText(text, QStringLiteral("settings.excluded.help"), stored.holdKey())
                       .arg(text.localized(QStringLiteral("app.name"))));
}

void ContentSettings::addApplication() {
    // The chooser runs its own event loop, in which this tab may be built anew (another
    // language, say): nothing of it is used once the choice is made.
    PreferenceStore& store = services_.store;
    std::optional<QString> id;
    if (services_.chooseApplication) {
        id = services_.chooseApplication(window());
    } else {
        ApplicationChooser chooser(services_.applications, services_.localization, window());
        id = chooser.choose();
    }
    if (id) {
        addExcludedApp(store, *id);
    }
}

}  // namespace holdsheet
