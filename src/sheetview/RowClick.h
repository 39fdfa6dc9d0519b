#pragma once

#include "harvest/Performer.h"
#include "panel/PanelController.h"

namespace holdsheet {

// A click on a row: a disabled row does nothing at all; otherwise the panel closes and the
// command runs in the sheet's application.
void clickRow(const ShortcutItem& item, PanelController& panel, Performer& performer);

}  // namespace holdsheet
