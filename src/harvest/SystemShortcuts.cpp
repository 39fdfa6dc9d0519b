#include "harvest/SystemShortcuts.h"

#include "harvest/KeyNaming.h"

#include <algorithm>
#include <cmath>

namespace holdsheet {

namespace {

const ValueTree* member(const ValueTree::Dictionary& dictionary, const char* key) {
    auto found = dictionary.find(QString::fromLatin1(key));
    return found == dictionary.end() ? nullptr : &found->second;
}

// A number's integer value; Booleans are numbers too. None for other values and for reals
// that have no integer value.
std::optional<qint64> integerValue(const ValueTree& value) {
    if (const auto* integer = std::get_if<qint64>(&value.data)) {
        return *integer;
    }
    if (const auto* flag = std::get_if<bool>(&value.data)) {
        return *flag ? 1 : 0;
    }
    if (const auto* real = std::get_if<double>(&value.data)) {
        if (std::isfinite(*real) && std::fabs(*real) < 9.2e18) {
            return static_cast<qint64>(*real);
        }
    }
    return std::nullopt;
}

// The item of one entry, titled `title`; none when the entry is disabled or malformed.
std::optional<ShortcutItem> itemFor(const ValueTree& entryValue, const QString& title) {
    const auto* entry = std::get_if<ValueTree::Dictionary>(&entryValue.data);
    if (!entry || title.isEmpty()) {
        return std::nullopt;
    }
    const ValueTree* enabled = member(*entry, "enabled");
    if (!enabled || integerValue(*enabled).value_or(0) == 0) {
        return std::nullopt;
    }
    const ValueTree* valueTree = member(*entry, "value");
    const auto* value = valueTree ? std::get_if<ValueTree::Dictionary>(&valueTree->data) : nullptr;
    const ValueTree* parametersTree = value ? member(*value, "parameters") : nullptr;
    const auto* parameters =
        parametersTree ? std::get_if<ValueTree::Array>(&parametersTree->data) : nullptr;
    if (!parameters || parameters->size() < 3) {
        return std::nullopt;
    }
    const auto character = integerValue((*parameters)[0]);
    const auto virtualKey = integerValue((*parameters)[1]);
    const auto flags = integerValue((*parameters)[2]);
    // A key code must fit 16 bits to be replayed.
    if (!character || !virtualKey || !flags || *virtualKey < 0 || *virtualKey > 0xFFFF) {
        return std::nullopt;
    }
    auto key = keyNameForCode(*character, *virtualKey);
    if (!key) {
        return std::nullopt;
    }
    ShortcutItem item;
    item.title = title;
    item.modifiers = flagSymbols(static_cast<std::uint64_t>(*flags));
    item.key = std::move(*key);
    item.isEnabled = true;
    item.action = ShortcutAction::keys(static_cast<std::uint16_t>(*virtualKey),
                                       static_cast<std::uint64_t>(*flags));
    return item;
}

bool isTableId(qint64 id) {
    const auto& rows = systemHotKeyRows();
    return std::any_of(rows.begin(), rows.end(), [id](const auto& row) { return row.id == id; });
}

// The title a binding outside the table brings along: readable text, kept short.
QString ownTitle(const ValueTree& entryValue) {
    const auto* entry = std::get_if<ValueTree::Dictionary>(&entryValue.data);
    const ValueTree* title = entry ? member(*entry, "title") : nullptr;
    const auto* text = title ? std::get_if<QString>(&title->data) : nullptr;
    return text ? boundedTitle(*text) : QString();
}

}  // namespace

QString boundedTitle(const QString& text) {
    QString title;
    for (const QChar c : text.left(4 * maximumTitleLength)) {
        if (c.isSpace() || c.category() == QChar::Other_Control) {
            if (!title.isEmpty() && !title.endsWith(QLatin1Char(' '))) {
                title += QLatin1Char(' ');
            }
        } else {
            title += c;
        }
    }
    title = title.trimmed();
    if (title.size() > maximumTitleLength) {
        title = title.left(maximumTitleLength - 1).trimmed() + QChar(0x2026);
    }
    return title;
}

const std::vector<SystemHotKeyRow>& systemHotKeyRows() {
    static const std::vector<SystemHotKeyRow> rows = {
        {SymbolicHotKey::screenshotScreenFile, "sys.screenshotScreenFile"},
        {SymbolicHotKey::screenshotScreenClipboard, "sys.screenshotScreenClipboard"},
        {SymbolicHotKey::screenshotAreaFile, "sys.screenshotAreaFile"},
        {SymbolicHotKey::screenshotAreaClipboard, "sys.screenshotAreaClipboard"},
        {SymbolicHotKey::screenshotOptions, "sys.screenshotOptions"},
        {SymbolicHotKey::search, "sys.spotlight"},
        {SymbolicHotKey::searchFiles, "sys.finderSearch"},
        {SymbolicHotKey::overview, "sys.missionControl"},
        {SymbolicHotKey::applicationWindows, "sys.appWindows"},
        {SymbolicHotKey::showDesktop, "sys.showDesktop"},
        {SymbolicHotKey::workspaceLeft, "sys.spaceLeft"},
        {SymbolicHotKey::workspaceRight, "sys.spaceRight"},
        {SymbolicHotKey::previousInputSource, "sys.prevInputSource"},
        {SymbolicHotKey::nextInputSource, "sys.nextInputSource"},
    };
    return rows;
}

std::optional<ShortcutGroup> systemGroup(const std::optional<ValueTree>& hotKeys,
                                         const std::function<QString(const QString&)>& localized) {
    const auto* dictionary = hotKeys ? std::get_if<ValueTree::Dictionary>(&hotKeys->data) : nullptr;
    if (!dictionary) {
        return std::nullopt;
    }
    ShortcutGroup group;
    for (const auto& row : systemHotKeyRows()) {
        const ValueTree* entry = member(*dictionary, QByteArray::number(row.id).constData());
        if (auto item = entry ? itemFor(*entry, localized(QString::fromLatin1(row.titleKey)))
                              : std::nullopt) {
            group.items.push_back(std::move(*item));
        }
    }
    // The desktop's other bindings, in the order of their ids.
    std::vector<std::pair<qint64, const ValueTree*>> others;
    for (const auto& [key, entry] : *dictionary) {
        bool number = false;
        const qint64 id = key.toLongLong(&number);
        if (number && !isTableId(id)) {
            others.emplace_back(id, &entry);
        }
    }
    std::sort(others.begin(), others.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [id, entry] : others) {
        if (group.items.size() >= maximumSystemItems) {
            break;
        }
        if (auto item = itemFor(*entry, ownTitle(*entry))) {
            group.items.push_back(std::move(*item));
        }
    }
    if (group.items.empty()) {
        return std::nullopt;
    }
    group.title = localized(QStringLiteral("group.system"));
    return group;
}

}  // namespace holdsheet
