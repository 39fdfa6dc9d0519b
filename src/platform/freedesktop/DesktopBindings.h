#pragma once

#include "platform/SystemHotKeys.h"
#include "platform/freedesktop/KeyBindingParser.h"

#include <QByteArray>
#include <QStringList>

#include <optional>
#include <vector>

namespace holdsheet {

// One key binding of the desktop's own, as its configuration states it.
struct DesktopBinding {
    std::optional<int> hotKeyId;  // the symbolic hot key the action is, when it is one
    QString title;                // the desktop's own words for the action otherwise
    MenuKey key;
};

// Configuration files are read whole; nothing a desktop writes comes near these.
constexpr qint64 maximumConfigurationBytes = 1 << 20;
constexpr std::size_t maximumDesktopBindings = 200;
constexpr qsizetype maximumKeyTextLength = 64;

// The bindings in the symbolic hot-key shape. An action of the hot-key table keeps its id,
// the others take ids from 1000 on in their order with a "title"; the first binding of an
// action wins, as the desktop's settings panels show it.
ValueTree hotKeyDictionary(const std::vector<DesktopBinding>& bindings);

// The parameters of a key (character code or 65535, virtual key code, modifier flags), or
// none when it has neither.
std::optional<ValueTree::Array> hotKeyParameters(const MenuKey& key);

// The whole file; none when it is missing, unreadable, not a regular file or larger than
// `limit` bytes.
std::optional<QByteArray> readBoundedFile(const QString& path,
                                          qint64 limit = maximumConfigurationBytes);

// Where a configuration file is looked for, in order: XDG_CONFIG_HOME (else ~/.config), then
// each of XDG_CONFIG_DIRS (else /etc/xdg).
QStringList configurationCandidates(const QString& relativePath);

// "GoToDesktop" → "Go to desktop", "show_desktop_key" → "Show desktop key".
QString wordsOfIdentifier(const QString& identifier);

}  // namespace holdsheet
