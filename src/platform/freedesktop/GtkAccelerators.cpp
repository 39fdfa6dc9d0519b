#include "platform/freedesktop/GtkAccelerators.h"

#include "platform/freedesktop/KeyBindingParser.h"

namespace holdsheet {

namespace {

// The characters that Shift types on the standard layout, and the key each is on.
constexpr std::pair<char, char> shiftedCharacters[] = {
    {'!', '1'},  {'@', '2'}, {'#', '3'},  {'$', '4'}, {'%', '5'}, {'^', '6'}, {'&', '7'},
    {'*', '8'},  {'(', '9'}, {')', '0'},  {'_', '-'}, {'+', '='}, {'{', '['}, {'}', ']'},
    {'|', '\\'}, {':', ';'}, {'"', '\''}, {'<', ','}, {'>', '.'}, {'?', '/'}, {'~', '`'},
};

}  // namespace

std::optional<Accelerator> GtkAccelerators::parse(const QString& text) const {
    const auto key = parseAccelerator(text);
    if (!key) {
        return std::nullopt;
    }
    Accelerator accelerator;
    accelerator.character = key->character;
    accelerator.virtualKey = key->virtualKey;
    accelerator.modifiers = key->modifiers;
    if (!accelerator.virtualKey && key->character && key->character->size() == 1) {
        const QChar character = key->character->at(0);
        if (const int code = characterVirtualKey(character); code >= 0) {
            accelerator.virtualKey = code;
        } else {
            for (const auto& [shifted, base] : shiftedCharacters) {
                if (character == QLatin1Char(shifted)) {
                    accelerator.virtualKey = characterVirtualKey(QLatin1Char(base));
                    accelerator.typedWithShift = true;
                    break;
                }
            }
        }
    }
    return accelerator;
}

}  // namespace holdsheet
