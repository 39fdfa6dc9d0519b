// Input: a GtkBuilder file. Whatever it holds, the help read from it stays within its limits:
// no empty group, every shortcut with one to a few accelerators, titles cut to size.
#include "harvest/ShortcutsHelpXml.h"

#include <cstdlib>

using namespace holdsheet;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView xml(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const HelpXml help = parseShortcutsHelp(xml);
    if (help.groups.size() > size_t(help_limits::groups) ||
        help.domain.size() > help_limits::titleChars) {
        std::abort();
    }
    size_t shortcuts = 0;
    for (const auto& group : help.groups) {
        if (group.shortcuts.empty()) {
            std::abort();
        }
        shortcuts += group.shortcuts.size();
        for (const auto& shortcut : group.shortcuts) {
            const auto count = shortcut.accelerators.size();
            if (count == 0 || count > help_limits::acceleratorsPerShortcut) {
                std::abort();
            }
            for (const auto& accelerator : shortcut.accelerators) {
                if (accelerator.isEmpty() || accelerator.contains(QLatin1Char(' '))) {
                    std::abort();
                }
            }
        }
    }
    if (shortcuts > size_t(help_limits::shortcuts)) {
        std::abort();
    }
    const auto groups = translatedHelp(help, [](const QString& context, const QString& id) {
        return context + id + id;  // translations longer than the original
    });
    for (const auto& group : groups) {
        if (group.title.size() > help_limits::titleChars) {
            std::abort();
        }
        for (const auto& shortcut : group.shortcuts) {
            if (shortcut.title.size() > help_limits::titleChars) {
                std::abort();
            }
        }
    }
    return 0;
}
