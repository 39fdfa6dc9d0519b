#include "platform/gnome/PanelPlacer.h"

namespace holdsheet {

void PanelPlacer::place(const QString& title, QPoint at) {
    attempt(title, at, attempts, ++generation_);
}

void PanelPlacer::attempt(const QString& title, QPoint at, int left, int generation) {
    extension_.placePanel(
        title, at,
        [this, alive = std::weak_ptr(lifetime_), title, at, left, generation](bool placed) {
            if (placed || alive.expired() || generation != generation_ || left <= 1) {
                return;
            }
            scheduler_.after(retryEvery,
                             [this, alive, title, at, left, generation](bool cancelled) {
                                 if (!cancelled && !alive.expired() && generation == generation_) {
                                     attempt(title, at, left - 1, generation);
                                 }
                             });
        });
}

}  // namespace holdsheet
