#include "platform/Workspace.h"

namespace holdsheet {

bool RunningApplication::isNamedIn(const QStringList& ids) const {
    // Exact: ids are case-sensitive, and an excluded entry must name this application alone.
    if (!applicationId.isEmpty() && ids.contains(applicationId)) {
        return true;
    }
    for (const QString& name : windowClasses) {
        if (!name.isEmpty() && ids.contains(name)) {
            return true;
        }
    }
    return false;
}

}  // namespace holdsheet
