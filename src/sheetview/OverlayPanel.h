#pragma once

#include "panel/PanelWindow.h"
#include "panel/SheetModel.h"
#include "sheetview/SheetServices.h"

#include <QWidget>

#include <memory>

class QPropertyAnimation;

namespace holdsheet {

class CheatSheetRoot;

// The floating panel: a frameless tool window that stays on top and bypasses the window
// manager (no task bar or window-cycling entry, and the target application stays active),
// taking the keyboard with a grab while shown. Fades need a compositing manager; without
// one the panel shows and hides at once with an opaque rounded shape.
class OverlayPanel : public QWidget, public PanelWindow {
  public:
    OverlayPanel(SheetModel& model, SheetServices services, bool compositing);

    CheatSheetRoot* sheet() const { return view_; }
    ~OverlayPanel() override;

    bool isVisible() const override { return QWidget::isVisible(); }
    double alpha() const override { return alpha_; }
    void setAlpha(double alpha, std::chrono::milliseconds fade) override;
    void orderFront() override;
    // Where keyboard grabs do not exist (Wayland), the compositor's focus is the keyboard.
    bool isKey() const override { return grabbed_ || isActiveWindow(); }
    void makeKey() override;
    void orderOut() override;
    void setFrame(const QRectF& frame, bool animate) override;
    bool isEditingText() const override;
    void releaseContent() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void grabKeyboard(int attemptsLeft);

    bool compositing_;
    double alpha_ = 1.0;
    bool grabbed_ = false;
    CheatSheetRoot* view_ = nullptr;
    QPropertyAnimation* fade_ = nullptr;
};

}  // namespace holdsheet
