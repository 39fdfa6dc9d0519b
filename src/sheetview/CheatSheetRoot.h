#pragma once

#include "platform/PreferenceStore.h"
#include "prefs/StoredEnum.h"
#include "sheetview/SheetServices.h"
#include "ui/PanelBackground.h"

#include <QWidget>

class QLineEdit;

namespace holdsheet {

class ExtensionNotice;
class FooterBar;
class HeaderBar;
class ReasonLine;
class SheetContent;
class SheetModel;

// The whole cheat sheet: header, content and footer on the panel's backdrop. A change of
// language or text size builds it anew; the search text lives in the model and stays.
class CheatSheetRoot : public QWidget {
  public:
    static constexpr double cornerRadius = 32;
    static constexpr double dividerOpacity = 0.45;

    // `translucent` when a compositing manager shows what lies behind the panel.
    CheatSheetRoot(SheetModel& model, SheetServices services, bool translucent,
                   QWidget* parent = nullptr);
    ~CheatSheetRoot() override;

    double scale() const { return scale_; }
    HeaderBar* header() const { return header_; }
    ReasonLine* reasonLine() const { return reasonLine_; }
    ExtensionNotice* extensionNotice() const { return extensionNotice_; }
    SheetContent* content() const { return content_; }
    FooterBar* footer() const { return footer_; }
    QLineEdit* searchField() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    class Outline;

    void preferencesChanged();
    void build();
    PanelBackground background() const;

    SheetModel& model_;
    SheetServices services_;
    bool translucent_;
    TextSize textSize_ = TextSize::medium;
    QString language_;
    // The backdrop's settings, read when they change rather than at every paint.
    PanelMaterial material_ = PanelMaterial::liquidGlass;
    double glassAmount_ = 0;
    double scale_ = 1.0;
    QWidget* body_ = nullptr;
    HeaderBar* header_ = nullptr;
    ReasonLine* reasonLine_ = nullptr;
    ExtensionNotice* extensionNotice_ = nullptr;
    SheetContent* content_ = nullptr;
    FooterBar* footer_ = nullptr;
    Outline* outline_ = nullptr;
    PreferenceStore::Subscription subscription_;
};

}  // namespace holdsheet
