#include "platform/x11/DesktopHotKeys.h"

#include "platform/freedesktop/GnomeHotKeys.h"
#include "platform/x11/KdeKeyBindings.h"
#include "platform/x11/OpenboxKeyBindings.h"
#include "platform/x11/XfceKeyBindings.h"

namespace holdsheet {

namespace {

class NoHotKeys : public SystemHotKeys {
  public:
    std::optional<ValueTree> symbolicHotKeys() override { return std::nullopt; }
};

}  // namespace

ConfigurationFileHotKeys::ConfigurationFileHotKeys(QStringList candidates, Parser parse)
    : candidates_(std::move(candidates)), parse_(std::move(parse)) {}

std::optional<ValueTree> ConfigurationFileHotKeys::symbolicHotKeys() {
    for (const QString& path : candidates_) {
        const auto text = readBoundedFile(path);
        if (!text) {
            continue;
        }
        if (auto bindings = parse_(*text)) {
            return hotKeyDictionary(*bindings);
        }
    }
    return std::nullopt;
}

std::unique_ptr<SystemHotKeys> desktopHotKeys(Desktop desktop) {
    switch (desktop) {
        case Desktop::gnome:
            return std::make_unique<GnomeHotKeys>();
        case Desktop::kde:
            return std::make_unique<ConfigurationFileHotKeys>(
                configurationCandidates(QStringLiteral("kglobalshortcutsrc")),
                [](const QByteArray& text) { return std::optional(kdeKeyBindings(text)); });
        case Desktop::xfce:
            return std::make_unique<ConfigurationFileHotKeys>(
                configurationCandidates(QStringLiteral(
                    "xfce4/xfconf/xfce-perchannel-xml/xfce4-keyboard-shortcuts.xml")),
                xfceKeyBindings);
        case Desktop::openbox:
            return std::make_unique<ConfigurationFileHotKeys>(
                configurationCandidates(QStringLiteral("openbox/rc.xml")), openboxKeyBindings);
        case Desktop::none:
            break;
    }
    return std::make_unique<NoHotKeys>();
}

}  // namespace holdsheet
