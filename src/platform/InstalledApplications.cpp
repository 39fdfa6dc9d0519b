#include "platform/InstalledApplications.h"

namespace holdsheet {

std::optional<InstalledApplication> InstalledApplications::find(const QString& id) {
    for (InstalledApplication& application : all()) {
        if (application.isKnownAs(id)) {
            return std::move(application);
        }
    }
    return std::nullopt;
}

}  // namespace holdsheet
