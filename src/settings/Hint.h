#pragma once

#include "ui/SheetLabel.h"

namespace holdsheet {

// A note under a control: small secondary text, on as many lines as it needs.
class Hint : public SheetLabel {
  public:
    explicit Hint(const QString& text, QWidget* parent = nullptr);
};

}  // namespace holdsheet
