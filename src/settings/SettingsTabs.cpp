#include "settings/SettingsTabs.h"

namespace holdsheet {

QString settingsTabTitleKey(SettingsTab tab) {
    switch (tab) {
        case SettingsTab::general:
            return QStringLiteral("settings.tab.general");
        case SettingsTab::appearance:
            return QStringLiteral("settings.tab.appearance");
        case SettingsTab::content:
            return QStringLiteral("settings.tab.content");
        case SettingsTab::about:
            break;
    }
    return QStringLiteral("settings.tab.about");
}

QString settingsTabSymbol(SettingsTab tab) {
    switch (tab) {
        case SettingsTab::general:
            return QStringLiteral("gearshape");
        case SettingsTab::appearance:
            return QStringLiteral("paintpalette");
        case SettingsTab::content:
            return QStringLiteral("list.bullet.rectangle");
        case SettingsTab::about:
            break;
    }
    return QStringLiteral("info.circle");
}

std::optional<SettingsTab> settingsTabAt(int index) {
    const auto& cases = allCases<SettingsTab>();
    if (index < 0 || index >= static_cast<int>(cases.size())) {
        return std::nullopt;
    }
    return cases[static_cast<std::size_t>(index)];
}

}  // namespace holdsheet
