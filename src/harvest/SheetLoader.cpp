#include "harvest/SheetLoader.h"

#include "harvest/MenuBarReader.h"
#include "harvest/SystemShortcuts.h"
#include "harvest/TitleCap.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"

namespace holdsheet {

SheetLoader::SheetLoader(Scheduler& scheduler, Accessibility& ax, PreferenceStore& store,
                         SystemHotKeys& hotKeys, const Localization& localization)
    : parts_{scheduler, ax, store, hotKeys, localization} {}

void SheetLoader::loadGroups(pid_t pid, std::function<void(ShortcutSheet)> done) {
    const quint64 load = ++*latest_;
    parts_.scheduler.detach(
        [parts = parts_, pid, latest = latest_, load, done = std::move(done)]() mutable {
            const Preferences prefs(parts.store);
            const Settings settings{parts.ax.isProcessTrusted(), prefs.showDisabled(),
                                    prefs.showSystemShortcuts()};
            // The read itself runs on a detached task of its own.
            parts.scheduler.detach([parts, pid, settings, latest, load,
                                    done = std::move(done)]() mutable {
                auto sheet = latest->load() == load ? read(parts, pid, settings) : ShortcutSheet{};
                parts.scheduler.post([sheet = std::move(sheet), done = std::move(done)]() mutable {
                    done(std::move(sheet));
                });
            });
        });
}

ShortcutSheet SheetLoader::readGroups(pid_t pid, const Settings& settings) {
    return read(parts_, pid, settings);
}

ShortcutSheet SheetLoader::read(const Parts& parts, pid_t pid, const Settings& settings) {
    // Without the permission no accessibility call is made at all.
    ShortcutSheet sheet;
    if (settings.trusted) {
        MenuBarReader reader(parts.ax);
        sheet.groups = reader.readMenus(pid, settings.showDisabled);
        sheet.notResponding = reader.timedOut();
        sheet.cutShort = reader.cutShort();
    }
    if (settings.showSystemShortcuts) {
        auto system = systemGroup(parts.hotKeys.symbolicHotKeys(), [&parts](const QString& key) {
            return parts.localization.localized(key);
        });
        if (system) {
            sheet.groups.push_back(std::move(*system));
        }
    }
    // Here, off the main thread, so that the views, the search, the export and `dump` all
    // get titles of a sane length.
    capTitles(sheet);
    return sheet;
}

}  // namespace holdsheet
