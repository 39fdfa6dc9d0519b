// Input: a selector byte, then the text of a desktop's file: 'o' openbox's rc.xml, 'x' Xfce's
// keyboard-shortcuts channel, 'k' KDE's global shortcuts file, anything else a launcher
// entry. Key bindings go on through the system group, which must stay within its bounds.
#include "harvest/SystemShortcuts.h"
#include "platform/freedesktop/DesktopEntries.h"
#include "platform/x11/KdeKeyBindings.h"
#include "platform/x11/OpenboxKeyBindings.h"
#include "platform/x11/XfceKeyBindings.h"

#include <cstdlib>

using namespace holdsheet;

namespace {

QString echo(const QString& key) {
    return key;
}

void check(const std::optional<std::vector<DesktopBinding>>& bindings) {
    if (!bindings) {
        return;
    }
    if (bindings->size() > maximumDesktopBindings) {
        std::abort();
    }
    const auto group = systemGroup(hotKeyDictionary(*bindings), echo);
    if (!group) {
        return;
    }
    if (group->items.empty() || group->items.size() > maximumSystemItems) {
        std::abort();
    }
    for (const auto& item : group->items) {
        if (item.title.isEmpty() || item.title.size() > maximumTitleLength ||
            !item.action.keyCombination()) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const QByteArray text(reinterpret_cast<const char*>(data + 1),
                          static_cast<qsizetype>(size - 1));
    switch (data[0]) {
        case 'o':
            check(openboxKeyBindings(text));
            break;
        case 'x':
            check(xfceKeyBindings(text));
            break;
        case 'k':
            check(kdeKeyBindings(text));
            break;
        default:
            if (const auto entry = parseDesktopEntry(text, {"de_DE", "de"})) {
                if (entry->name.isEmpty() || entry->name.size() > 256) {
                    std::abort();
                }
            }
            break;
    }
    return 0;
}
