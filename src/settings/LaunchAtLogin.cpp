#include "settings/LaunchAtLogin.h"

#include "platform/LoginItems.h"
#include "platform/SystemLog.h"

namespace holdsheet {

bool changeLaunchAtLogin(LoginItems& items, SystemLog& log, bool wanted) {
    const auto failure = wanted ? items.enable() : items.disable();
    if (!failure) {
        return wanted;
    }
    log.log(launchAtLoginFailure + *failure);
    return items.enabled();
}

}  // namespace holdsheet
