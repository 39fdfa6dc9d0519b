#include "export/ExportSource.h"

#include "panel/PanelController.h"

namespace holdsheet {

std::optional<ExportSource> exportSource(PanelController& panel,
                                         const std::function<void()>& beep) {
    const SheetModel& model = panel.model();
    const auto& sheet = model.sheet();
    if (!sheet || sheet->itemCount() < 1) {
        if (beep) {
            beep();
        }
        return std::nullopt;
    }
    return ExportSource{sheet->groups, model.displayName(), model.appIcon(), panel.targetApp()};
}

}  // namespace holdsheet
