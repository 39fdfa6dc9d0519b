#pragma once

#include "harvest/Performer.h"
#include "panel/PanelController.h"
#include "permissions/PermissionMonitor.h"

namespace holdsheet {

// A click on a row: a disabled row does nothing at all; otherwise the panel closes and the
// command runs in the sheet's application.
void clickRow(const ShortcutItem& item, PanelController& panel, Performer& performer);

// The permission notice's button: the panel makes way for the desktop's prompt.
void requestPermission(PanelController& panel, PermissionMonitor& permission);

}  // namespace holdsheet
