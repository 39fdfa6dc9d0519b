#pragma once

#include "app/AuxiliaryWindow.h"

namespace holdsheet {

// The tour's window: borderless, floating above normal windows, moved by its background,
// closed by Escape. See-through around its content only where a compositing manager
// can show it (without one, translucent parts turn black).
class TourWindow : public AuxiliaryWindow {
  public:
    explicit TourWindow(bool compositing);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool compositing_;
};

}  // namespace holdsheet
