#pragma once

#include "harvest/ShortcutModel.h"
#include "harvest/ShortcutSource.h"
#include "platform/Accessibility.h"

#include <QSet>

#include <optional>

namespace holdsheet {

// Turns one application's menu bar into groups of shortcuts. Runs on a background task;
// it never fails: an unreachable application or unreadable attribute yields fewer groups.
class MenuBarReader {
  public:
    // Reading stops before the next top-level menu once this many items were collected.
    static constexpr int itemLimit = 801;
    // Items of a menu and of its direct submenus are read, nothing deeper.
    static constexpr int maximumDepth = 4;
    static constexpr double messagingTimeout = 1.5;

    explicit MenuBarReader(Accessibility& ax) : ax_(ax) {}

    std::vector<ShortcutGroup> readMenus(pid_t pid, bool includeDisabled);

    void collectItems(const AXElementRef& element, int depth, bool includeDisabled,
                      std::vector<ShortcutItem>& items, QSet<QString>& seen, int& count);

    std::optional<ShortcutItem> makeItem(const AXElementRef& element, bool includeDisabled);

    // Whether the application of the last read stopped answering during it.
    bool timedOut() const { return timedOut_; }
    // Whether part of its menus was left out, to keep the read within its bounds.
    bool cutShort() const { return cutShort_; }
    // Whether the last read found a menu bar, found none, or could not reach the application.
    SourceReading::Found found() const { return found_; }

  private:
    std::vector<ShortcutGroup> readMenuBar(const AXElementRef& application, bool includeDisabled);

    Accessibility& ax_;
    bool timedOut_ = false;
    bool cutShort_ = false;
    SourceReading::Found found_ = SourceReading::Found::read;
};

// The menu bar as a source of a sheet: read through accessibility, so only with the
// permission.
class MenuBarSource : public ShortcutSource {
  public:
    explicit MenuBarSource(Accessibility& ax) : ax_(ax) {}
    bool canRead(const ReadSettings& settings) const override { return settings.trusted; }
    SourceReading read(pid_t pid, const ReadSettings& settings) const override;

  private:
    Accessibility& ax_;
};

}  // namespace holdsheet
