#include "platform/freedesktop/KeyBindingParser.h"

#include "platform/KeyCodes.h"

#include <QHash>
#include <QStringView>

#include <vector>

namespace holdsheet {

namespace {

constexpr int shiftBit = MenuModifier::shift;
constexpr int altBit = MenuModifier::option;
constexpr int controlBit = MenuModifier::control;
constexpr int noCommandBit = MenuModifier::noCommand;

// Key names, keysym and Qt spellings alike, folded to lower case.
struct NamedKey {
    std::optional<QString> character;
    std::optional<int> virtualKey;
    int modifiers = 0;  // a key that means a modifier of its own (ISO_Left_Tab is Shift+Tab)
};

const QHash<QString, NamedKey>& namedKeys() {
    static const QHash<QString, NamedKey> table = [] {
        QHash<QString, NamedKey> t;
        const std::pair<const char*, const char*> characters[] = {
            {"plus", "+"},         {"minus", "-"},        {"comma", ","},      {"period", "."},
            {"slash", "/"},        {"backslash", "\\"},   {"semicolon", ";"},  {"colon", ":"},
            {"apostrophe", "'"},   {"quoteright", "'"},   {"quotedbl", "\""},  {"equal", "="},
            {"bracketleft", "["},  {"bracketright", "]"}, {"braceleft", "{"},  {"braceright", "}"},
            {"parenleft", "("},    {"parenright", ")"},   {"grave", "`"},      {"quoteleft", "`"},
            {"asciitilde", "~"},   {"exclam", "!"},       {"question", "?"},   {"at", "@"},
            {"numbersign", "#"},   {"dollar", "$"},       {"percent", "%"},    {"asciicircum", "^"},
            {"ampersand", "&"},    {"asterisk", "*"},     {"underscore", "_"}, {"less", "<"},
            {"greater", ">"},      {"bar", "|"},          {"kp_add", "+"},     {"kp_subtract", "-"},
            {"kp_multiply", "*"},  {"kp_divide", "/"},    {"kp_decimal", "."}, {"kp_equal", "="},
            {"kp_separator", ","}, {"above_tab", "`"},  // the key above Tab
        };
        for (const auto& [name, character] : characters) {
            t.insert(QString::fromLatin1(name), {QString::fromLatin1(character), std::nullopt});
        }
        for (int digit = 0; digit <= 9; ++digit) {
            t.insert(QStringLiteral("kp_%1").arg(digit), {QString::number(digit), std::nullopt});
        }
        const std::pair<const char*, int> keys[] = {
            {"return", VirtualKey::returnKey},
            {"enter", VirtualKey::enter},
            {"kp_enter", VirtualKey::enter},
            {"tab", VirtualKey::tab},
            {"kp_tab", VirtualKey::tab},
            {"space", VirtualKey::space},
            {"kp_space", VirtualKey::space},
            {"backspace", VirtualKey::backspace},
            {"escape", VirtualKey::escape},
            {"esc", VirtualKey::escape},
            {"clear", VirtualKey::clear},
            {"kp_clear", VirtualKey::clear},
            {"delete", VirtualKey::forwardDelete},
            {"del", VirtualKey::forwardDelete},
            {"kp_delete", VirtualKey::forwardDelete},
            {"home", VirtualKey::home},
            {"kp_home", VirtualKey::home},
            {"end", VirtualKey::end},
            {"kp_end", VirtualKey::end},
            {"page_up", VirtualKey::pageUp},
            {"prior", VirtualKey::pageUp},
            {"kp_page_up", VirtualKey::pageUp},
            {"kp_prior", VirtualKey::pageUp},
            {"pgup", VirtualKey::pageUp},
            {"page up", VirtualKey::pageUp},
            {"page_down", VirtualKey::pageDown},
            {"next", VirtualKey::pageDown},
            {"kp_page_down", VirtualKey::pageDown},
            {"kp_next", VirtualKey::pageDown},
            {"pgdown", VirtualKey::pageDown},
            {"page down", VirtualKey::pageDown},
            {"left", VirtualKey::left},
            {"kp_left", VirtualKey::left},
            {"right", VirtualKey::right},
            {"kp_right", VirtualKey::right},
            {"down", VirtualKey::down},
            {"kp_down", VirtualKey::down},
            {"up", VirtualKey::up},
            {"kp_up", VirtualKey::up},
            {"print", VirtualKey::print},
            {"insert", VirtualKey::insert},
            {"ins", VirtualKey::insert},
            {"kp_insert", VirtualKey::insert},
            {"menu", VirtualKey::menu},
        };
        for (const auto& [name, code] : keys) {
            t.insert(QString::fromLatin1(name), {std::nullopt, code});
        }
        // Shift+Tab has keysyms of its own: GTK's ISO_Left_Tab, Qt's Backtab.
        t.insert(QStringLiteral("iso_left_tab"), {std::nullopt, VirtualKey::tab, shiftBit});
        t.insert(QStringLiteral("backtab"), {std::nullopt, VirtualKey::tab, shiftBit});
        // F1 ... F20 with the virtual key codes of the naming tables; the keypad's PF keys.
        for (int number = 1; number <= 20; ++number) {
            t.insert(QStringLiteral("f%1").arg(number),
                     {std::nullopt, functionKeyVirtualKey(number)});
        }
        for (int number = 1; number <= 4; ++number) {
            t.insert(QStringLiteral("kp_f%1").arg(number),
                     {std::nullopt, functionKeyVirtualKey(number)});
        }
        return t;
    }();
    return table;
}

// Longer texts than any real binding or chord are no key: an application may hand over
// anything, and nothing here should grow with what it sends.
constexpr qsizetype maxBindingLength = 256;
constexpr qsizetype maxChordLength = 128;

std::optional<MenuKey> keyFromName(QStringView name, int modifiers) {
    MenuKey key;
    key.modifiers = modifiers;
    if (name.size() == 1 || (name.size() == 2 && name.at(0).isHighSurrogate())) {
        key.character = name.toString();
        return key;
    }
    auto found = namedKeys().constFind(name.toString().toLower());
    if (found == namedKeys().constEnd()) {
        return std::nullopt;  // Print, Insert, Menu, media keys: no name on the sheet
    }
    key.character = found->character;
    key.virtualKey = found->virtualKey;
    key.modifiers |= found->modifiers;
    return key;
}

// Modifier words of both spellings: GTK's "<Primary>" and the "Ctrl+" of labels and Qt.
constexpr int keypadWord = -2;  // Qt's "Num+": the key is on the keypad, no modifier

std::optional<int> modifierBit(QStringView word) {
    const auto is = [word](const char16_t* name) {
        return word.compare(QStringView(name), Qt::CaseInsensitive) == 0;
    };
    if (is(u"num")) {
        return keypadWord;
    }
    if (is(u"shift")) {
        return shiftBit;
    }
    if (is(u"control") || is(u"ctrl") || is(u"primary")) {
        return controlBit;
    }
    if (is(u"alt") || is(u"mod1")) {
        return altBit;
    }
    // GTK's <Meta> is Alt on these keyboards; Qt's "Meta+" is its name for Super.
    if (is(u"meta")) {
        return -1;
    }
    if (is(u"super") || is(u"mod4")) {
        return 0;
    }
    return std::nullopt;
}

// "<Primary><Shift>s", or the label form "Shift+Ctrl+N". `metaIsSuper` tells the two
// toolkits' readings of "Meta" apart.
std::optional<MenuKey> parseChord(QStringView text, bool metaIsSuper) {
    if (text.size() > maxChordLength) {
        return std::nullopt;
    }
    int modifiers = noCommandBit;
    auto apply = [&](QStringView word) {
        auto bit = modifierBit(word);
        if (!bit) {
            return false;
        }
        int value = *bit == -1 ? (metaIsSuper ? 0 : altBit) : *bit;
        if (value == keypadWord) {
            return true;
        }
        if (value == 0) {
            modifiers &= ~noCommandBit;
        } else {
            modifiers |= value;
        }
        return true;
    };
    while (text.startsWith(u'<')) {
        const auto close = text.indexOf(u'>');
        if (close < 0 || !apply(text.sliced(1, close - 1))) {
            return std::nullopt;
        }
        text = text.sliced(close + 1);
    }
    // "Ctrl++" and "Ctrl+;" end in the key itself: only a '+' with text after it separates.
    for (auto plus = text.indexOf(u'+'); plus > 0 && plus < text.size() - 1;
         plus = text.indexOf(u'+')) {
        if (!apply(text.first(plus))) {
            return std::nullopt;
        }
        text = text.sliced(plus + 1);
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    // "K, Ctrl+D" is a second chord: the sheet shows one key, so such shortcuts are left out.
    if (text.size() > 2 && text.contains(u", ")) {
        return std::nullopt;
    }
    return keyFromName(text, modifiers);
}

// Qt separates several shortcuts with ';', but ';' may also be the key ("Ctrl+;").
std::vector<QStringView> splitAlternatives(QStringView text) {
    std::vector<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool isKey = i == start || text.at(i - 1) == u'+';
        if (text.at(i) == u';' && !isKey) {
            parts.push_back(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    if (start < text.size()) {
        parts.push_back(text.sliced(start));
    }
    return parts;
}

// White space around a binding goes, except a space that is the key itself ("<Control> ",
// "Ctrl+ "): it follows a modifier.
QStringView trimBinding(QStringView text) {
    QStringView trimmed = text.trimmed();
    if (!trimmed.isEmpty() &&
        (trimmed.endsWith(u'>') || (trimmed.endsWith(u'+') && trimmed.size() > 1))) {
        const qsizetype end = (trimmed.data() - text.data()) + trimmed.size();
        if (end < text.size() && text.at(end) == u' ') {
            trimmed = text.sliced(trimmed.data() - text.data(), trimmed.size() + 1);
        }
    }
    return trimmed;
}

bool isQtMnemonic(QStringView text, const QString& title) {
    // The mnemonic is the letter as typed in the label; a real Alt+letter shortcut whose
    // letter is not in the title still counts.
    static const QLatin1String prefix("Alt+");
    return text.size() == prefix.size() + 1 && text.startsWith(prefix) &&
           title.contains(text.back(), Qt::CaseInsensitive);
}

}  // namespace

std::optional<MenuKey> parseAccelerator(const QString& accelerator) {
    return parseChord(trimBinding(accelerator), false);
}

// Virtual key codes of character keys, by their place on the standard layout, so a
// combination can be replayed; named keys carry theirs already.
int characterVirtualKey(QChar character) {
    static const QHash<QChar, int> codes = [] {
        const std::pair<char, int> table[] = {
            {'a', 0},  {'s', 1},  {'d', 2},   {'f', 3},  {'h', 4},  {'g', 5},   {'z', 6},
            {'x', 7},  {'c', 8},  {'v', 9},   {'b', 11}, {'q', 12}, {'w', 13},  {'e', 14},
            {'r', 15}, {'y', 16}, {'t', 17},  {'1', 18}, {'2', 19}, {'3', 20},  {'4', 21},
            {'6', 22}, {'5', 23}, {'=', 24},  {'9', 25}, {'7', 26}, {'-', 27},  {'8', 28},
            {'0', 29}, {']', 30}, {'o', 31},  {'u', 32}, {'[', 33}, {'i', 34},  {'p', 35},
            {'l', 37}, {'j', 38}, {'\'', 39}, {'k', 40}, {';', 41}, {'\\', 42}, {',', 43},
            {'/', 44}, {'n', 45}, {'m', 46},  {'.', 47}, {'`', 50},
        };
        QHash<QChar, int> h;
        for (const auto& [c, code] : table) {
            h.insert(QChar::fromLatin1(c), code);
        }
        return h;
    }();
    return codes.value(character.toLower(), -1);
}

std::optional<int> virtualKeyOfKeyName(const QString& name) {
    const auto key = keyFromName(name, 0);
    if (!key) {
        return std::nullopt;
    }
    if (key->virtualKey) {
        return key->virtualKey;
    }
    const int code = key->character && key->character->size() == 1
                         ? characterVirtualKey(key->character->at(0))
                         : -1;
    return code < 0 ? std::nullopt : std::optional<int>(code);
}

Toolkit toolkitFromName(const QString& toolkitName) {
    // GTK 2 names its accessibility layer rather than itself.
    if (toolkitName.compare(QLatin1String("GTK"), Qt::CaseInsensitive) == 0 ||
        toolkitName.compare(QLatin1String("GAIL"), Qt::CaseInsensitive) == 0) {
        return Toolkit::gtk;
    }
    if (toolkitName.compare(QLatin1String("Qt"), Qt::CaseInsensitive) == 0) {
        return Toolkit::qt;
    }
    return Toolkit::unknown;
}

std::optional<MenuKey> parseKeyBinding(const QString& binding, Toolkit toolkit,
                                       const QString& title) {
    if (binding.size() > maxBindingLength) {
        return std::nullopt;
    }
    const QStringView text(binding);
    // Other toolkits that speak GTK's shape (browsers, mail programs) give themselves away by
    // a modifier or a mnemonic path, or by empty fields: Qt never reports ";;" or "o;;".
    const bool emptyFields = text.endsWith(u";;") && text.size() <= 4;
    const bool gtkShape =
        toolkit == Toolkit::gtk || (toolkit == Toolkit::unknown && text.count(u';') == 2 &&
                                    (text.contains(u'<') || text.contains(u':') || emptyFields));
    if (gtkShape) {
        // "mnemonic;mnemonic path;accelerator": only the accelerator is a key equivalent.
        const auto first = text.indexOf(u';');
        const auto second = first < 0 ? -1 : text.indexOf(u';', first + 1);
        if (second < 0) {
            return std::nullopt;
        }
        const QStringView accelerator = trimBinding(text.sliced(second + 1));
        if (accelerator.isEmpty()) {
            return std::nullopt;
        }
        return parseChord(accelerator, false);
    }
    for (const QStringView alternative : splitAlternatives(trimBinding(text))) {
        const QStringView chord = trimBinding(alternative);
        if (chord.isEmpty() || isQtMnemonic(chord, title)) {
            continue;
        }
        if (auto key = parseChord(chord, true)) {
            return key;
        }
    }
    return std::nullopt;
}

}  // namespace holdsheet
