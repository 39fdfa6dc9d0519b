#pragma once

#include "ui/SheetLabel.h"

namespace holdsheet {

class Localization;
class SheetModel;

// The line under the header that says why the sheet is incomplete, or why it holds none of
// the application's own shortcuts: it stopped answering, it is out of accessibility's
// reach, its menus went past a read's bounds, it has nothing to read.
class ReasonLine : public SheetLabel {
  public:
    ReasonLine(SheetModel& model, const Localization& localization, double scale,
               QWidget* parent = nullptr);

  private:
    void refresh();

    SheetModel& model_;
    const Localization& localization_;
};

}  // namespace holdsheet
