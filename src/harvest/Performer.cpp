#include "harvest/Performer.h"

namespace holdsheet {

void Performer::performItem(const ShortcutItem& item,
                            const std::optional<RunningApplication>& target) {
    // The collaborators outlive every performance (the composition root owns them), so the
    // wake-up copies them rather than the performer.
    platform_.scheduler.after(
        settleDelay, [parts = platform_, action = item.action, target](bool) mutable {
            // A wait cut short by cancellation carries on all the same.
            if (target) {
                parts.workspace.activate(*target);
            }
            if (const AXBox* box = action.menuBox()) {
                parts.scheduler.detach([&ax = parts.ax, element = box->element] {
                    ax.performAction(element, QStringLiteral("AXPress"));
                });
            } else if (const auto* keys = action.keyCombination()) {
                parts.poster.postKeys(keys->keyCode, keys->flags);
            }
        });
}

}  // namespace holdsheet
