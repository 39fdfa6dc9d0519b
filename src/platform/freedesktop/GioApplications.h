#pragma once

#include "platform/InstalledApplications.h"

namespace holdsheet {

// The desktop's launcher entries (.desktop files in the XDG data folders) through GIO:
// those it would show in its menus, with their names in the user's language and icons.
class GioApplications : public InstalledApplications {
  public:
    std::vector<InstalledApplication> all() override;
};

}  // namespace holdsheet
