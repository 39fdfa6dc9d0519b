#pragma once

#include "platform/PreferenceStore.h"
#include "settings/SettingsServices.h"

#include <QWidget>

class QButtonGroup;

namespace holdsheet {

class Hint;
class MinMaxSlider;
class Row;
class SegmentedPicker;
class SheetPreview;

// The Appearance tab: a live miniature of the sheet, the glass amount (for the materials
// that have glass), the panel's material, the theme and the sheet's text size.
class AppearanceSettings : public QWidget {
  public:
    static constexpr int spacing = 18;
    static constexpr int previewSpacing = 12;

    explicit AppearanceSettings(SettingsServices services, QWidget* parent = nullptr);

    SheetPreview* preview() const { return preview_; }
    Row* glassRow() const { return glassRow_; }
    MinMaxSlider* glassSlider() const { return glassSlider_; }
    QButtonGroup* materialGroup() const { return material_; }
    Hint* glassUnavailableHint() const { return unavailable_; }
    SegmentedPicker* themePicker() const { return theme_; }
    SegmentedPicker* textSizePicker() const { return textSize_; }

  private:
    void showStored();

    SettingsServices services_;
    SheetPreview* preview_;
    Row* glassRow_;
    MinMaxSlider* glassSlider_;
    QButtonGroup* material_;
    Hint* unavailable_;
    SegmentedPicker* theme_;
    SegmentedPicker* textSize_;
    PreferenceStore::Subscription subscription_;
};

}  // namespace holdsheet
