#include "permissions/ShellExtension.h"

#include "platform/ProcessRunner.h"
#include "prefs/Localization.h"

namespace holdsheet {

ShellExtension::ShellExtension(ProcessRunner& runner) : runner_(runner) {}

void ShellExtension::setState(ShellExtensionState state) {
    if (state == state_) {
        return;
    }
    state_ = state;
    emit stateChanged(state);
}

bool ShellExtension::canEnable() const {
    return state_ == ShellExtensionState::disabled && runner_.isInstalled(tool);
}

bool ShellExtension::enable() {
    if (!canEnable()) {
        return false;
    }
    // Arguments go to the program as they are, through no shell.
    const bool current = runner_.launch(tool, {QStringLiteral("enable"), uuid});
    const bool legacy = runner_.launch(tool, {QStringLiteral("enable"), legacyUuid});
    return current || legacy;
}

namespace {
QString text(const Localization& localization, const char* key) {
    return localization.localized(QString::fromLatin1(key));
}
}  // namespace

QString extensionStatusText(const Localization& localization, ShellExtensionState state) {
    switch (state) {
        case ShellExtensionState::active:
            return text(localization, "extension.status.on");
        case ShellExtensionState::disabled:
            return text(localization, "extension.status.off");
        case ShellExtensionState::missing:
            return text(localization, "extension.status.missing");
        case ShellExtensionState::notNeeded:
            break;
    }
    return {};
}

QString extensionHowTo(const Localization& localization, ShellExtensionState state,
                       const QString& uuid) {
    QString howTo;
    switch (state) {
        case ShellExtensionState::disabled:
            howTo =
                // The command on a line of its own: whole, never broken at its hyphen.
                text(localization, "extension.howto.off")
                    .arg(QLatin1Char('\n') + ShellExtension::tool + QStringLiteral(" enable ") +
                         uuid)
                    .replace(QStringLiteral(" \n"), QStringLiteral("\n"));
            break;
        case ShellExtensionState::missing:
            howTo = text(localization, "extension.howto.missing").arg(uuid);
            break;
        case ShellExtensionState::active:
        case ShellExtensionState::notNeeded:
            return {};
    }
    const QString why = text(localization, "extension.why").arg(text(localization, "app.name"));
    // Sentences in Chinese and Japanese follow each other without a space.
    const bool wide = why.endsWith(QChar(0x3002));
    return wide ? why + howTo : why + QLatin1Char(' ') + howTo;
}

QString extensionNotice(const Localization& localization, ShellExtensionState state,
                        const QString& uuid) {
    switch (state) {
        case ShellExtensionState::disabled:
            return text(localization, "extension.notice.off").arg(uuid);
        case ShellExtensionState::missing:
            return text(localization, "extension.notice.missing").arg(uuid);
        case ShellExtensionState::active:
        case ShellExtensionState::notNeeded:
            break;
    }
    return {};
}

}  // namespace holdsheet
