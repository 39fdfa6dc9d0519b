#include "platform/freedesktop/GnomeHotKeys.h"

#include "platform/freedesktop/DesktopBindings.h"
#include "platform/freedesktop/GSettingsRead.h"

#include <QStringList>

namespace holdsheet {

namespace {

std::optional<ValueTree> parametersOf(const QString& accelerator) {
    if (accelerator.size() > maximumKeyTextLength) {
        return std::nullopt;
    }
    const auto key = parseAccelerator(accelerator);
    auto parameters = key ? hotKeyParameters(*key) : std::nullopt;
    return parameters ? std::optional<ValueTree>(std::move(*parameters)) : std::nullopt;
}

}  // namespace

const std::vector<GnomeHotKeys::Source>& GnomeHotKeys::defaultSources() {
    static const char* const shell = "org.gnome.shell.keybindings";
    static const char* const media = "org.gnome.settings-daemon.plugins.media-keys";
    static const char* const wm = "org.gnome.desktop.wm.keybindings";
    static const std::vector<Source> sources = {
        {SymbolicHotKey::screenshotScreenFile, {{shell, "screenshot"}, {media, "screenshot"}}},
        {SymbolicHotKey::screenshotScreenClipboard, {{media, "screenshot-clip"}}},
        {SymbolicHotKey::screenshotAreaFile, {{media, "area-screenshot"}}},
        {SymbolicHotKey::screenshotAreaClipboard, {{media, "area-screenshot-clip"}}},
        {SymbolicHotKey::screenshotOptions, {{shell, "show-screenshot-ui"}}},
        {SymbolicHotKey::search, {{media, "search"}}},
        {SymbolicHotKey::overview, {{shell, "toggle-overview"}}},
        {SymbolicHotKey::applicationWindows, {{wm, "switch-group"}}},
        {SymbolicHotKey::showDesktop, {{wm, "show-desktop"}}},
        {SymbolicHotKey::workspaceLeft, {{wm, "switch-to-workspace-left"}}},
        {SymbolicHotKey::workspaceRight, {{wm, "switch-to-workspace-right"}}},
        {SymbolicHotKey::previousInputSource, {{wm, "switch-input-source-backward"}}},
        {SymbolicHotKey::nextInputSource, {{wm, "switch-input-source"}}},
    };
    return sources;
}

GnomeHotKeys::GnomeHotKeys(std::vector<Source> sources) : sources_(std::move(sources)) {}

std::optional<ValueTree> GnomeHotKeys::symbolicHotKeys() {
    ValueTree::Dictionary hotKeys;
    for (const auto& source : sources_) {
        for (const auto& [schema, key] : source.settings) {
            const auto list = readSettingStrings(schema, key);
            if (!list) {
                continue;
            }
            QString first;
            for (const QString& accelerator : *list) {
                if (!accelerator.trimmed().isEmpty()) {
                    first = accelerator;
                    break;
                }
            }
            ValueTree::Dictionary entry{{QStringLiteral("enabled"), !first.isEmpty()}};
            if (auto parameters = parametersOf(first)) {
                entry.emplace(QStringLiteral("value"),
                              ValueTree::Dictionary{{QStringLiteral("parameters"), *parameters}});
            }
            hotKeys.emplace(QString::number(source.id), std::move(entry));
            break;
        }
    }
    if (hotKeys.empty()) {
        return std::nullopt;  // none of the schemas is installed
    }
    return ValueTree(std::move(hotKeys));
}

}  // namespace holdsheet
