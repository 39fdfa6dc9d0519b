#include "settings/AppearanceSettings.h"

#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "settings/FormDivider.h"
#include "settings/Hint.h"
#include "settings/MinMaxSlider.h"
#include "settings/RadioChoice.h"
#include "settings/Row.h"
#include "settings/SegmentedPicker.h"
#include "settings/SheetPreview.h"
#include "ui/PanelBackground.h"

#include <QButtonGroup>
#include <QSlider>
#include <QVBoxLayout>

namespace holdsheet {

namespace {

template <typename E>
E caseAt(int index) {
    return allCases<E>()[static_cast<std::size_t>(index)];
}

}  // namespace

AppearanceSettings::AppearanceSettings(SettingsServices services, QWidget* parent)
    : QWidget(parent), services_(services) {
    const Localization& text = services_.localization;
    auto localized = [&text](const char* key) { return text.localized(QLatin1String(key)); };
    const Preferences stored(services_.store);

    preview_ = new SheetPreview(services_.store, text);
    glassSlider_ =
        new MinMaxSlider(0, 1, std::nullopt, localized("glass.less"), localized("glass.more"));
    glassSlider_->slider()->setAccessibleName(localized("settings.glassAmount"));
    glassSlider_->onChange(
        [&store = services_.store](double amount) { Preferences(store).setGlassAmount(amount); });
    glassRow_ = new Row(localized("settings.glassAmount"), false, glassSlider_);
    auto* top = new QVBoxLayout;
    top->setSpacing(previewSpacing);
    top->addWidget(preview_);
    top->addWidget(glassRow_);

    auto* materials = new QWidget;
    auto* materialStack = new QVBoxLayout(materials);
    materialStack->setContentsMargins(0, 0, 0, 0);
    materialStack->setSpacing(6);
    material_ = new QButtonGroup(this);
    const char* const materialKeys[] = {"material.glass", "material.frosted", "material.solid"};
    auto* radios = new QVBoxLayout;
    radios->setSpacing(4);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new RadioChoice(localized(materialKeys[i]), materials);
        material_->addButton(radio, i);
        radios->addWidget(radio);
    }
    materialStack->addLayout(radios);
    unavailable_ = new Hint(localized("material.glass.unavailable"), materials);
    materialStack->addWidget(unavailable_);
    connect(material_, &QButtonGroup::idClicked, this, [this](int index) {
        Preferences(services_.store).setMaterial(caseAt<PanelMaterial>(index));
    });
    auto* materialRow = new Row(localized("settings.appearance.material"), true, materials);
    materialRow->setFirstLineHeight(material_->button(0)->sizeHint().height());

    theme_ = new SegmentedPicker(
        {localized("theme.system"), localized("theme.light"), localized("theme.dark")},
        static_cast<int>(stored.theme()));
    theme_->onChange(
        [this](int index) { Preferences(services_.store).setTheme(caseAt<AppTheme>(index)); });
    textSize_ = new SegmentedPicker(
        {localized("size.small"), localized("size.medium"), localized("size.large")},
        static_cast<int>(stored.textSize()));
    textSize_->onChange(
        [this](int index) { Preferences(services_.store).setTextSize(caseAt<TextSize>(index)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addLayout(top);
    layout->addWidget(new FormDivider);
    layout->addWidget(materialRow);
    layout->addWidget(new Row(localized("settings.appearance.theme"), false, theme_));
    layout->addWidget(new Row(localized("settings.textSize"), false, textSize_));

    showStored();
    subscription_ = services_.store.observe([this] { showStored(); });
}

void AppearanceSettings::showStored() {
    const Preferences stored(services_.store);
    const PanelMaterial material = stored.material();
    if (QAbstractButton* chosen = material_->button(static_cast<int>(material));
        !chosen->isChecked()) {
        chosen->setChecked(true);
    }
    // Solid has no glass to set.
    glassRow_->setVisible(material != PanelMaterial::solid);
    glassSlider_->setValue(stored.glassAmount());
    unavailable_->setVisible(material == PanelMaterial::liquidGlass &&
                             !PanelBackground::glassEffectAvailable());
    theme_->setSelected(static_cast<int>(stored.theme()));
    textSize_->setSelected(static_cast<int>(stored.textSize()));
}

}  // namespace holdsheet
