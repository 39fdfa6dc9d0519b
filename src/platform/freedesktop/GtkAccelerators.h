#pragma once

#include "platform/Accelerators.h"

namespace holdsheet {

// GTK's accelerator texts ("<Primary><Shift>z", "<ctrl>question", "F11"); <Primary> is
// Control here.
class GtkAccelerators : public Accelerators {
  public:
    std::optional<Accelerator> parse(const QString& text) const override;
};

}  // namespace holdsheet
