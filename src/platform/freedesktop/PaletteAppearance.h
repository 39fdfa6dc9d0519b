#pragma once

#include "platform/Appearance.h"
#include "platform/freedesktop/DesktopColorScheme.h"

#include <QPalette>

namespace holdsheet {

// The program's dark palette, for the dark look.
QPalette darkPalette();

// The look as the application's palette, which every window and the panel's drawing read.
// With no look chosen, the palette follows the desktop's colour scheme as it changes.
class PaletteAppearance : public Appearance {
  public:
    PaletteAppearance();

    std::optional<Look> appearance() const override { return look_; }
    void setAppearance(std::optional<Look> look) override;

  private:
    void apply();

    DesktopColorScheme desktop_;
    std::optional<Look> look_;
    std::optional<Look> applied_;
};

}  // namespace holdsheet
