#pragma once

#include "ui/SheetLabel.h"

namespace holdsheet {

class Localization;
class ShellExtension;

// The line under the header while the Shell extension the session needs is off or not
// installed: the hold key does nothing without it, so the panel can only have been opened
// another way (the tray, `holdsheet show`). Gone as soon as the extension is on.
class ExtensionNotice : public SheetLabel {
  public:
    ExtensionNotice(ShellExtension& extension, const Localization& localization, double scale,
                    QWidget* parent = nullptr);

  private:
    void refresh();

    ShellExtension& extension_;
    const Localization& localization_;
};

}  // namespace holdsheet
