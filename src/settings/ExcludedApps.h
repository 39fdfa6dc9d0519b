#pragma once

#include <QString>

namespace holdsheet {

class PreferenceStore;

// Edits of the stored list of excluded applications, each made on the list as it is stored at that
// moment (the settings file may have been edited meanwhile) and written back whole.

// Appends an application id unless the list holds it; false when nothing was written.
bool addExcludedApp(PreferenceStore& store, const QString& id);
// Takes every occurrence of an id out of the list, keeping the others' order.
void removeExcludedApp(PreferenceStore& store, const QString& id);

}  // namespace holdsheet
