#include "settings/ExcludedApps.h"

#include "prefs/Preferences.h"

namespace holdsheet {

bool addExcludedApp(PreferenceStore& store, const QString& id) {
    QStringList excluded = Preferences(store).excludedApps();
    if (id.isEmpty() || excluded.contains(id)) {
        return false;
    }
    excluded << id;
    Preferences(store).setExcludedApps(excluded);
    return true;
}

void removeExcludedApp(PreferenceStore& store, const QString& id) {
    QStringList excluded = Preferences(store).excludedApps();
    excluded.removeAll(id);
    Preferences(store).setExcludedApps(excluded);
}

}  // namespace holdsheet
