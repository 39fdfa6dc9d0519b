#pragma once

#include <QString>

namespace holdsheet {

class LoginItems;
class SystemLog;

// The start-at-login switch asks the desktop for `wanted` and returns the state it shows
// then: `wanted`, or after a failure (logged in one line) the desktop's state read anew.
bool changeLaunchAtLogin(LoginItems& items, SystemLog& log, bool wanted);

inline const QString launchAtLoginFailure =
    QStringLiteral("Holdsheet: kunne ikke endre oppstart ved innlogging: ");

}  // namespace holdsheet
