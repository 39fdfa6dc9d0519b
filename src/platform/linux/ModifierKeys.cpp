#include "platform/linux/ModifierKeys.h"

#include <X11/keysym.h>

namespace holdsheet {

bool isModifierKeysym(quint32 keysym) {
    return (keysym >= XK_Shift_L && keysym <= XK_Hyper_R) ||           // includes the locks
           (keysym >= XK_ISO_Lock && keysym <= XK_ISO_Level5_Lock) ||  // level and group keys
           keysym == XK_Mode_switch || keysym == XK_Num_Lock;
}

}  // namespace holdsheet
