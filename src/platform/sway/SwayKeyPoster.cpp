#include "platform/sway/SwayKeyPoster.h"

#include "platform/KeyCodes.h"
#include "platform/linux/XTestKeyPoster.h"

#include <QProcess>

#include <X11/Xlib.h>

namespace holdsheet {

QStringList wtypeArguments(std::uint16_t keyCode, std::uint64_t flags) {
    const unsigned long symbol = keysymOfVirtualKey(keyCode);
    const char* name = symbol ? XKeysymToString(symbol) : nullptr;
    if (!name) {
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
    return press + QStringList{"-k", QString::fromLatin1(name)} + release;
}

void SwayKeyPoster::postKeys(std::uint16_t keyCode, std::uint64_t flags) {
    const QStringList arguments = wtypeArguments(keyCode, flags);
    if (!arguments.isEmpty()) {
        QProcess::startDetached(QStringLiteral("wtype"), arguments);
    }
}

}  // namespace holdsheet
