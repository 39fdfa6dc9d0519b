#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace holdsheet {

// Keys of Linux keyboards that the original tables lack, under codes the tables leave free.
namespace ExtraKey {
constexpr int print = 0x100;
constexpr int insert = 0x101;
constexpr int menu = 0x102;
}  // namespace ExtraKey

// The virtual key code of function key F1 ... F20 (number 1 to 20), or -1.
int functionKeyVirtualKey(int number);

// Accessibility modifier mask: 1 Shift, 2 Option, 4 Control; bit 8 set means "no Command".
QString modifierSymbols(qint64 mask);

// Event modifier flags: 0x20000 Shift, 0x40000 Control, 0x80000 Option, 0x100000 Command.
QString flagSymbols(std::uint64_t flags);

// Display name of a menu item's key equivalent, or none when it cannot be named.
std::optional<QString> keyName(const std::optional<QString>& character, std::optional<qint64> glyph,
                               std::optional<qint64> virtualKey);

// Display name of a system hot key; character code 65535 stands for no character.
std::optional<QString> keyNameForCode(qint64 characterCode, qint64 virtualKey);

}  // namespace holdsheet
