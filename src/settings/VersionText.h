#pragma once

#include "settings/SettingsServices.h"

namespace holdsheet {

// "2.3 (45)": the version and the build; "1.0" and "1" stand in for what the build lacks.
QString versionText(const VersionInfo& version);

}  // namespace holdsheet
