#include "harvest/KeyNaming.h"

#include <QHash>

namespace holdsheet {

namespace {

const QString returnSymbol = QStringLiteral("\u21A9");
const QString spaceSymbol = QStringLiteral("\u2423");

// Built on first use; naming runs on background threads, and a function local static is
// initialised exactly once.
const QHash<qint64, QString>& virtualKeyTable() {
    static const QHash<qint64, QString> table = [] {
        QHash<qint64, QString> t{
            {VirtualKey::returnKey, returnSymbol},
            {VirtualKey::tab, QStringLiteral("\u21E5")},
            {VirtualKey::space, spaceSymbol},
            {VirtualKey::backspace, QStringLiteral("\u232B")},
            {VirtualKey::escape, QStringLiteral("\u238B")},
            {VirtualKey::clear, QStringLiteral("\u2327")},
            {VirtualKey::enter, QStringLiteral("\u2324")},
            {VirtualKey::home, QStringLiteral("\u2196")},
            {VirtualKey::pageUp, QStringLiteral("\u21DE")},
            {VirtualKey::forwardDelete, QStringLiteral("\u2326")},
            {VirtualKey::end, QStringLiteral("\u2198")},
            {VirtualKey::pageDown, QStringLiteral("\u21DF")},
            {VirtualKey::left, QStringLiteral("\u2190")},
            {VirtualKey::right, QStringLiteral("\u2192")},
            {VirtualKey::down, QStringLiteral("\u2193")},
            {VirtualKey::up, QStringLiteral("\u2191")},
        };
        for (int number = 1; number <= 20; ++number) {
            t.insert(functionKeyVirtualKey(number), QStringLiteral("F%1").arg(number));
        }
        // The desktop's screenshot keys use Print; without a name they would vanish.
        t.insert(VirtualKey::print, QStringLiteral("Print"));
        t.insert(VirtualKey::insert, QStringLiteral("Ins"));
        t.insert(VirtualKey::menu, QStringLiteral("Menu"));
        return t;
    }();
    return table;
}

std::optional<QString> lookUp(const QHash<qint64, QString>& table, qint64 code) {
    auto found = table.constFind(code);
    if (found == table.constEnd()) {
        return std::nullopt;
    }
    return *found;
}

// The first Unicode scalar of a text, or none for an empty text or one that starts with a
// lone surrogate (which is no scalar at all).
std::optional<char32_t> firstScalar(const QString& text) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const QChar first = text.at(0);
    if (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate()) {
        return QChar::surrogateToUcs4(first, text.at(1));
    }
    if (first.isSurrogate()) {
        return std::nullopt;
    }
    return first.unicode();
}

}  // namespace

QString modifierSymbols(qint64 mask) {
    QString symbols;
    if (mask & MenuModifier::control) {
        symbols += QStringLiteral("\u2303");
    }
    if (mask & MenuModifier::option) {
        symbols += QStringLiteral("\u2325");
    }
    if (mask & MenuModifier::shift) {
        symbols += QStringLiteral("\u21E7");
    }
    if (!(mask & MenuModifier::noCommand)) {
        symbols += QStringLiteral("\u2318");
    }
    return symbols;
}

QString flagSymbols(std::uint64_t flags) {
    QString symbols;
    if (flags & ModifierFlag::control) {
        symbols += QStringLiteral("\u2303");
    }
    if (flags & ModifierFlag::option) {
        symbols += QStringLiteral("\u2325");
    }
    if (flags & ModifierFlag::shift) {
        symbols += QStringLiteral("\u21E7");
    }
    if (flags & ModifierFlag::command) {
        symbols += QStringLiteral("\u2318");
    }
    return symbols;
}

std::optional<QString> keyName(const std::optional<QString>& character,
                               std::optional<qint64> virtualKey) {
    if (character) {
        if (auto scalar = firstScalar(*character); scalar && *scalar >= 32 && *scalar != 127) {
            if (*character == QStringLiteral(" ")) {
                return spaceSymbol;
            }
            return character->toUpper();
        }
    }
    if (!virtualKey) {
        return std::nullopt;
    }
    return lookUp(virtualKeyTable(), *virtualKey);
}

std::optional<QString> keyNameForCode(qint64 characterCode, qint64 virtualKey) {
    if (characterCode == 32) {
        return spaceSymbol;
    }
    const bool surrogate = characterCode >= 0xD800 && characterCode <= 0xDFFF;
    if (characterCode >= 33 && characterCode <= 65534 && !surrogate) {
        return QString(QChar(static_cast<char16_t>(characterCode))).toUpper();
    }
    return lookUp(virtualKeyTable(), virtualKey);
}

}  // namespace holdsheet
