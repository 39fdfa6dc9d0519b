#include "platform/freedesktop/PanelPlacement.h"

#include <QEvent>
#include <QWidget>

namespace holdsheet {

bool PanelPlacement::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    // Only the program's own placing: the window system's moves carry the origin Qt on
    // Wayland reports once the surface is configured, which is no place at all.
    if ((type == QEvent::Show || type == QEvent::Resize || type == QEvent::Move) &&
        !event->spontaneous() && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->isVisible() && widget->windowTitle() == panelTitle) {
            place_(widget->pos());
        }
    }
    return false;
}

}  // namespace holdsheet
