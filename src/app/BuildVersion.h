#pragma once

#include "settings/SettingsServices.h"

namespace holdsheet {

// The version, build and home page this build was configured with.
VersionInfo buildVersion();

}  // namespace holdsheet
