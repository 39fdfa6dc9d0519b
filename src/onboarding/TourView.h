#pragma once

#include "onboarding/CardGrid.h"
#include "platform/PreferenceStore.h"
#include "prefs/StoredEnum.h"
#include "ui/PanelBackground.h"

#include <QWidget>

#include <functional>

class QPushButton;

namespace holdsheet {

class CardScroller;
class Localization;
class SheetLabel;

// The content of the tour window: a header, the six feature cards in two columns, and a
// button to the settings beside the one that ends the tour (also on Return), all on the
// panel's backdrop. A change of language, text size or hold key builds it anew; a change
// of the backdrop's settings repaints it.
class TourView : public QWidget {
  public:
    static constexpr int fixedWidth = 780;
    static constexpr int fixedHeight = 580;
    static constexpr double cornerRadius = 36;

    // `translucent` when what lies behind the window can show through it.
    TourView(PreferenceStore& store, const Localization& localization, bool translucent,
             std::function<void()> onSettings, std::function<void()> onDone,
             QWidget* parent = nullptr);
    ~TourView() override;

    double scale() const { return scale_; }
    SheetLabel* title() const { return title_; }
    SheetLabel* subtitle() const { return subtitle_; }
    // In the order of the features, row by row.
    const std::vector<FeatureCard*>& cards() const { return grid_->cards(); }
    // Scrolls the cards only when they outgrow the room between the header and the footer.
    CardScroller* cardArea() const { return scroller_; }
    QPushButton* settingsButton() const { return settings_; }
    QPushButton* doneButton() const { return done_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // What the texts and fonts were built for.
    struct Shown {
        QString language;
        TextSize textSize;
        HoldKey holdKey;
        bool operator==(const Shown&) const = default;
    };

    Shown shownNow() const;
    void preferencesChanged();
    void build();
    QLayout* buildHeader(QWidget* body);
    QLayout* buildCards(QWidget* body);
    QLayout* buildFooter(QWidget* body);
    PanelBackground background() const;

    PreferenceStore& store_;
    const Localization& localization_;
    bool translucent_;
    std::function<void()> onSettings_;
    std::function<void()> onDone_;
    Shown shown_{};
    double scale_ = 1.0;
    // The backdrop's settings, read when they change rather than at every paint.
    PanelMaterial material_ = PanelMaterial::liquidGlass;
    double glassAmount_ = 0;
    QWidget* body_ = nullptr;
    SheetLabel* title_ = nullptr;
    SheetLabel* subtitle_ = nullptr;
    CardGrid* grid_ = nullptr;
    CardScroller* scroller_ = nullptr;
    QPushButton* settings_ = nullptr;
    QPushButton* done_ = nullptr;
    PreferenceStore::Subscription subscription_;
};

}  // namespace holdsheet
