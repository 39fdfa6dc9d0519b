#pragma once

#include "platform/KeyCodes.h"

#include <QString>

#include <optional>

namespace holdsheet {

// One key combination as a toolkit writes it in text ("<Primary><Shift>z", "F11"), in the
// vocabulary of the key-naming tables.
struct Accelerator {
    // The key as a character ("z", "?"), or none for a named key.
    std::optional<QString> character;
    // The virtual key code that types it: a named key's own, or the place on the standard
    // layout of the key that types the character; none when no key is known to.
    std::optional<int> virtualKey;
    // The modifiers as written (MenuModifier: Shift 1, Alt 2, Control 4, bit 8 unless Super).
    int modifiers = MenuModifier::noCommand;
    // The character is typed with Shift on the standard layout ("?" is Shift and "/").
    bool typedWithShift = false;
};

class Accelerators {
  public:
    virtual ~Accelerators() = default;
    // One combination, or none when the text is not a single combination this program can
    // name. Safe to call from any thread.
    virtual std::optional<Accelerator> parse(const QString& text) const = 0;
};

}  // namespace holdsheet
