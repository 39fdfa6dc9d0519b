#pragma once

#include "platform/PreferenceStore.h"
#include "prefs/StoredEnum.h"
#include "sheetview/KeyCaps.h"

#include <QFont>
#include <QWidget>

#include <vector>

namespace holdsheet {

class Localization;

// A miniature of the cheat sheet over a colourful backdrop: a menu title and four sample
// commands on the panel's own background, at the chosen text size, material and glass
// amount, redrawn as they change.
class SheetPreview : public QWidget {
  public:
    static constexpr int previewHeight = 176;
    static constexpr double cornerRadius = 14;
    static constexpr double panelWidth = 340;
    static constexpr double panelPadding = 18;
    static constexpr double panelCornerRadius = 22;
    static constexpr double lineSpacing = 3;
    static constexpr double headerPadding = 3;
    static constexpr double rowSpacing = 10;
    static constexpr double capsFrameWidth = 80;

    struct SampleRow {
        const char* modifiers;
        const char* key;
        const char* titleKey;
    };
    static const std::vector<SampleRow>& sampleRows();
    // The font size of the titles and the key caps' sheet scale at a text size.
    static double fontSize(TextSize size);
    static double capsScale(TextSize size);

    SheetPreview(PreferenceStore& store, const Localization& localization,
                 QWidget* parent = nullptr);

    TextSize textSize() const { return textSize_; }
    const QFont& headerFont() const { return headerFont_; }
    const QFont& titleFont() const { return titleFont_; }
    const std::vector<KeyCaps>& keyCaps() const { return caps_; }
    // Where the miniature panel lies.
    QRectF panelRect() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void readStored();
    void layOut();
    void paintBackdrop(QPainter& painter) const;
    void paintPanel(QPainter& painter) const;

    PreferenceStore& store_;
    QString header_;
    QStringList titles_;
    TextSize textSize_ = TextSize::medium;
    PanelMaterial material_ = PanelMaterial::liquidGlass;
    double glassAmount_ = 0;
    QFont headerFont_;
    QFont titleFont_;
    std::vector<KeyCaps> caps_;
    std::vector<double> rowHeights_;
    double panelHeight_ = 0;
    PreferenceStore::Subscription subscription_;
};

}  // namespace holdsheet
