#include "platform/sway/SwayKeyPoster.h"

#include "platform/KeyCodes.h"
#include "platform/freedesktop/Keysyms.h"

#include <QProcess>

namespace holdsheet {

QStringList wtypeArguments(std::uint16_t keyCode, std::uint64_t flags) {
    const QString name = keysymName(keysymOfVirtualKey(keyCode));
    if (name.isEmpty()) {
        return {};
    }
    const std::pair<std::uint64_t, const char*> modifiers[] = {{ModifierFlag::control, "ctrl"},
                                                               {ModifierFlag::option, "alt"},
                                                               {ModifierFlag::shift, "shift"},
                                                               {ModifierFlag::command, "logo"}};
    QStringList press;
    QStringList release;
    for (const auto& [bit, modifier] : modifiers) {
        if (flags & bit) {
            press << "-M" << modifier;
            release << "-m" << modifier;
        }
    }
    return press + QStringList{"-k", name} + release;
}

void SwayKeyPoster::postKeys(std::uint16_t keyCode, std::uint64_t flags) {
    const QStringList arguments = wtypeArguments(keyCode, flags);
    if (!arguments.isEmpty()) {
        QProcess::startDetached(QStringLiteral("wtype"), arguments);
    }
}

}  // namespace holdsheet
