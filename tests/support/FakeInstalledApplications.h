#pragma once

#include "platform/InstalledApplications.h"

namespace holdsheet::testing {

// A desktop with these launcher entries.
class FakeInstalledApplications : public InstalledApplications {
  public:
    std::vector<InstalledApplication> all() override { return applications; }
    std::vector<InstalledApplication> applications;
};

}  // namespace holdsheet::testing
