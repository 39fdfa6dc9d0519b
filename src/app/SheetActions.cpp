#include "app/SheetActions.h"

namespace holdsheet {

void clickRow(const ShortcutItem& item, PanelController& panel, Performer& performer) {
    if (!item.isEnabled) {
        return;  // the panel stays open
    }
    const auto target = panel.targetApp();  // read before hiding
    panel.hide();
    performer.performItem(item, target);
}

void requestPermission(PanelController& panel, PermissionMonitor& permission) {
    panel.hide();
    permission.request();
}

}  // namespace holdsheet
