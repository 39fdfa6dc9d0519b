#include "settings/VersionText.h"

namespace holdsheet {

QString versionText(const VersionInfo& version) {
    const QString shortVersion = version.shortVersion.trimmed();
    const QString build = version.build.trimmed();
    return QStringLiteral("%1 (%2)").arg(
        shortVersion.isEmpty() ? QStringLiteral("1.0") : shortVersion,
        build.isEmpty() ? QStringLiteral("1") : build);
}

}  // namespace holdsheet
