#pragma once

#include "harvest/ShortcutModel.h"

#include <QPoint>

#include <functional>

namespace holdsheet {

class Localization;
class PermissionMonitor;
class PreferenceStore;
class ShellExtension;

// What the views of the sheet read and call besides the model. An empty action does nothing.
struct SheetServices {
    PreferenceStore& store;
    const Localization& localization;
    PermissionMonitor& permission;
    ShellExtension& extension;
    std::function<void(const ShortcutItem&)> runItem;
    std::function<void()> requestPermission;
    // Given the pointer's position in the panel.
    std::function<void(QPoint)> openShareMenu;
    std::function<void(QPoint)> openProgramMenu;
};

}  // namespace holdsheet
