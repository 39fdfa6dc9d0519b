#pragma once

#include "harvest/ShortcutModel.h"
#include "harvest/ShortcutSource.h"
#include "platform/Accessibility.h"
#include "platform/PreferenceStore.h"
#include "platform/ProcessFacts.h"
#include "platform/Scheduler.h"
#include "platform/SystemHotKeys.h"

#include <atomic>
#include <functional>
#include <memory>

namespace holdsheet {

class Localization;

// Sources read after the menu bar, in this order, and what tells why an application's own
// shortcuts are missing; without facts, a browser engine is never named as the cause.
struct MoreSources {
    std::vector<std::shared_ptr<const ShortcutSource>> sources;
    const ProcessFacts* facts = nullptr;
};

// Builds the whole sheet of one application off the main thread: its menus, then what other
// sources add to them, then the desktop's own shortcuts, as the preferences say.
class SheetLoader {
  public:
    using Settings = ReadSettings;

    SheetLoader(Scheduler& scheduler, Accessibility& ax, PreferenceStore& store,
                SystemHotKeys& hotKeys, const Localization& localization, MoreSources more = {});

    // Reads the two preferences and the trust state in the background, reads the sheet on
    // a detached task, and hands it to `done` on the main thread. Never fails: an
    // application that stops answering gives the groups read before, marked so.
    void loadGroups(pid_t pid, std::function<void(ShortcutSheet)> done);

    // The reading itself, with the values already decided (runs on the calling thread).
    ShortcutSheet readGroups(pid_t pid, const Settings& settings);

  private:
    // The collaborators outlive the loader (the composition root owns them); tasks copy
    // these references, so a load in flight never touches a loader that is gone.
    struct Parts {
        Scheduler& scheduler;
        Accessibility& ax;
        PreferenceStore& store;
        SystemHotKeys& hotKeys;
        const Localization& localization;
        // The menu bar first.
        std::shared_ptr<const std::vector<std::shared_ptr<const ShortcutSource>>> sources;
        const ProcessFacts* facts;
    };
    static ShortcutSheet read(const Parts& parts, pid_t pid, const Settings& settings);

    Parts parts_;
    // Only the latest load is worth reading: one superseded before its read starts (the
    // panel shown and hidden again meanwhile) is answered with an empty sheet unread, so
    // reads of an application that does not answer never pile up.
    std::shared_ptr<std::atomic<quint64>> latest_ = std::make_shared<std::atomic<quint64>>(0);
};

}  // namespace holdsheet
