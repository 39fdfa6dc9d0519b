#pragma once

#include "platform/KeyCodes.h"
#include "prefs/StoredEnum.h"

namespace holdsheet {

// The modifier flag of a hold key, as input events carry it.
constexpr quint64 holdKeyFlag(HoldKey key) {
    switch (key) {
        case HoldKey::control:
            return ModifierFlag::control;
        case HoldKey::alt:
            return ModifierFlag::option;
        case HoldKey::super:
            break;
    }
    return ModifierFlag::command;
}

}  // namespace holdsheet
