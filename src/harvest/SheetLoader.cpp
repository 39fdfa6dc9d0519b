#include "harvest/SheetLoader.h"

#include "harvest/MenuBarReader.h"
#include "harvest/SystemShortcuts.h"
#include "harvest/TitleCap.h"

#include <optional>
#include "prefs/Localization.h"
#include "prefs/Preferences.h"

namespace holdsheet {

namespace {

std::shared_ptr<const std::vector<std::shared_ptr<const ShortcutSource>>> menuBarFirst(
    Accessibility& ax, std::vector<std::shared_ptr<const ShortcutSource>> more) {
    more.insert(more.begin(), std::make_shared<MenuBarSource>(ax));
    return std::make_shared<const std::vector<std::shared_ptr<const ShortcutSource>>>(
        std::move(more));
}

// Why the application's own shortcuts are missing, from what the menu bar's read found and
// whether any other source had rows.
SheetGap gapOf(SourceReading::Found menuBar, bool otherRows, const ProcessFacts* facts, pid_t pid) {
    SheetGap gap = SheetGap::none;
    if (menuBar == SourceReading::Found::unreachable) {
        gap = SheetGap::notOnAccessibilityBus;
    } else if (menuBar == SourceReading::Found::absent && !otherRows) {
        gap = SheetGap::nothingToRead;
    }
    if (gap != SheetGap::none && facts) {
        // Such an application is on the bus or not as it likes, but shows no tree until
        // asked to build one: its switch is the remedy either way.
        const ProcessFacts::Facts process = facts->of(pid);
        if (process.browserEngine && !process.accessibilityForced) {
            gap = SheetGap::browserAccessibilityOff;
        }
    }
    return gap;
}

}  // namespace

SheetLoader::SheetLoader(Scheduler& scheduler, Accessibility& ax, PreferenceStore& store,
                         SystemHotKeys& hotKeys, const Localization& localization, MoreSources more)
    : parts_{scheduler, ax, store, hotKeys, localization, menuBarFirst(ax, std::move(more.sources)),
             more.facts} {}

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
    // Each source decides whether it may read: without the permission no accessibility
    // call is made at all.
    ShortcutSheet sheet;
    std::optional<SourceReading::Found> menuBar;
    bool otherRows = false;
    for (std::size_t i = 0; i < parts.sources->size(); ++i) {
        const ShortcutSource& source = *(*parts.sources)[i];
        if (!source.canRead(settings)) {
            continue;
        }
        SourceReading reading = source.read(pid, settings);
        if (i == 0) {
            menuBar = reading.found;
            sheet.notResponding = reading.notResponding;
            sheet.cutShort = reading.cutShort;
            sheet.groups = std::move(reading.groups);
        } else {
            otherRows = otherRows || !reading.groups.empty();
            appendNewShortcuts(sheet.groups, std::move(reading.groups));
        }
    }
    if (menuBar) {
        sheet.gap = gapOf(*menuBar, otherRows, parts.facts, pid);
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
