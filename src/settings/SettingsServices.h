#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace holdsheet {

class InstalledApplications;
class Localization;
class LoginItems;
class PermissionMonitor;
class PreferenceStore;
class ShellExtension;
class ProcessRunner;
class SystemLog;

// What the build says about itself: the version, a build number or commit, and the
// program's home page. Empty when the build gave none.
struct VersionInfo {
    QString shortVersion;
    QString build;
    QString homePage;
};

// What the settings tabs read and call.
struct SettingsServices {
    PreferenceStore& store;
    const Localization& localization;
    PermissionMonitor& permission;
    ShellExtension& extension;
    LoginItems& loginItems;
    SystemLog& log;
    InstalledApplications& applications;
    ProcessRunner& runner;  // opens the home page
    VersionInfo version;
    // Asks the user for an application to exclude: its id, none when cancelled. Empty: the
    // chooser of installed applications.
    std::function<std::optional<QString>(QWidget* parent)> chooseApplication;
};

}  // namespace holdsheet
