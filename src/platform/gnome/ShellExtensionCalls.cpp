#include "platform/gnome/ShellExtensionCalls.h"

namespace holdsheet {

namespace {

// The shell's ExtensionState.ENABLED.
constexpr int enabledState = 1;

}  // namespace

QString shellExtensionUuid(const QString& shellVersion) {
    bool isNumber = false;
    const int major = shellVersion.section('.', 0, 0).toInt(&isNumber);
    // Versions before 40 were numbered 3.x; an unknown version is taken for a current one.
    return isNumber && major < 45 ? QStringLiteral("holdsheet-legacy@holdsheet.org")
                                  : QStringLiteral("holdsheet@holdsheet.org");
}

ShellExtensionState shellExtensionState(const QVariantMap& info) {
    const QVariant state = info.value(QStringLiteral("state"));
    if (info.isEmpty() || !state.isValid()) {
        return ShellExtensionState::missing;
    }
    bool isNumber = false;
    const double value = state.toDouble(&isNumber);
    return isNumber && value == enabledState ? ShellExtensionState::active
                                             : ShellExtensionState::disabled;
}

}  // namespace holdsheet
