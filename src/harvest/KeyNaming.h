#pragma once

#include "platform/KeyCodes.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace holdsheet {

// A menu modifier mask (MenuModifier) as symbols.
QString modifierSymbols(qint64 mask);

// Event modifier flags (ModifierFlag) as symbols.
QString flagSymbols(std::uint64_t flags);

// Display name of a menu item's key equivalent, or none when it cannot be named.
std::optional<QString> keyName(const std::optional<QString>& character,
                               std::optional<qint64> virtualKey);

// Display name of a system hot key; character code 65535 stands for no character.
std::optional<QString> keyNameForCode(qint64 characterCode, qint64 virtualKey);

}  // namespace holdsheet
