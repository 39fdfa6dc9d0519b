#include "platform/sway/SwayHotKeys.h"

#include "platform/sway/SwayConnection.h"

#include <QFileInfo>

namespace holdsheet {

namespace {

// "Mod4+Shift+Return" as a GTK accelerator, "<Super><Shift>Return"; none for a modifier
// the sheet has no symbol for, or a combination without a key.
std::optional<QString> acceleratorOf(const QString& combo) {
    QStringList parts = combo.split('+');
    const QString key = parts.takeLast();
    if (key.isEmpty()) {
        return std::nullopt;
    }
    QString accelerator;
    for (const QString& modifier : parts) {
        const QString name = modifier.toLower();
        if (name == "mod4" || name == "super") {
            accelerator += "<Super>";
        } else if (name == "mod1" || name == "alt") {
            accelerator += "<Alt>";
        } else if (name == "shift") {
            accelerator += "<Shift>";
        } else if (name == "control" || name == "ctrl") {
            accelerator += "<Control>";
        } else {
            return std::nullopt;
        }
    }
    return accelerator + key;
}

}  // namespace

QString swayCommandTitle(const QString& command) {
    QStringList words = command.simplified().split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty() || words.front() == "nop") {
        return {};
    }
    if (words.front() == "exec" || words.front() == "exec_always") {
        words.removeFirst();
        while (!words.isEmpty() && words.front().startsWith("--")) {
            words.removeFirst();
        }
        return words.isEmpty() ? QString() : QFileInfo(words.front()).fileName();
    }
    QString title = words.join(' ').left(maximumKeyTextLength);
    title[0] = title[0].toUpper();
    return title;
}

std::vector<DesktopBinding> swayDesktopBindings(const std::vector<SwayConfigBinding>& bindings) {
    std::vector<DesktopBinding> result;
    for (const auto& binding : bindings) {
        if (result.size() >= maximumDesktopBindings) {
            break;
        }
        const QString title = swayCommandTitle(binding.command);
        const auto accelerator = acceleratorOf(binding.combo);
        const auto key = accelerator ? parseAccelerator(*accelerator) : std::nullopt;
        if (!title.isEmpty() && key && !binding.flags.contains("--release")) {
            result.push_back({std::nullopt, title, *key});
        }
    }
    return result;
}

std::optional<ValueTree> SwayHotKeys::symbolicHotKeys() {
    const auto connection = SwayConnection::open(socketPath_);
    const auto reply = connection ? connection->request(sway::getConfig, {}) : std::nullopt;
    if (!reply) {
        return std::nullopt;
    }
    return hotKeyDictionary(swayDesktopBindings(swayConfigBindings(swayConfigText(*reply))));
}

}  // namespace holdsheet
