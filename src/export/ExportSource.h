#pragma once

#include "harvest/ShortcutModel.h"
#include "platform/Workspace.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace holdsheet {

class PanelController;

// What an export prints, shares or saves: a copy taken when it starts, so a new showing of
// the panel meanwhile changes nothing.
struct ExportSource {
    std::vector<ShortcutGroup> groups;
    QString appName;
    QImage appIcon;  // may be null
    std::optional<RunningApplication> targetApp;
};

// The whole sheet the panel holds, whatever its search field filters. None, after `beep`,
// while there is no sheet or it has no item.
std::optional<ExportSource> exportSource(PanelController& panel, const std::function<void()>& beep);

}  // namespace holdsheet
