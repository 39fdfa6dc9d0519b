#pragma once

#include "ui/SheetLabel.h"

namespace holdsheet {

class Localization;
class SheetModel;

// The line under the header when the application stopped answering during the read: the
// sheet shown is what came before.
class NotRespondingLine : public SheetLabel {
  public:
    NotRespondingLine(SheetModel& model, const Localization& localization, double scale,
                      QWidget* parent = nullptr);

  private:
    void refresh();

    SheetModel& model_;
    const Localization& localization_;
};

}  // namespace holdsheet
