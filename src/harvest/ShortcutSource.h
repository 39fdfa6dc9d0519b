#pragma once

#include "harvest/ShortcutModel.h"

#include <sys/types.h>

#include <vector>

namespace holdsheet {

// What a load decided before reading: the trust state and the two preferences.
struct ReadSettings {
    bool trusted = false;
    bool showDisabled = true;
    bool showSystemShortcuts = true;
};

struct SourceReading {
    // What the source found of the application: its shortcuts; nothing to read (no menu bar,
    // no shortcuts help); or no way to reach it at all (not on the accessibility bus).
    enum class Found { read, absent, unreachable };
    Found found = Found::read;
    std::vector<ShortcutGroup> groups;
    // The application stopped answering during the read: the groups are what came before.
    bool notResponding = false;
    // Part of what it offers was left out to keep the read within its bounds.
    bool cutShort = false;
};

// One place an application's shortcuts are read from (its menu bar, its compiled shortcuts
// help). Reads run on background tasks, several at once: a source keeps no state per read.
class ShortcutSource {
  public:
    virtual ~ShortcutSource() = default;
    // Whether the source may read at all under these settings (only reading through
    // accessibility needs the permission).
    virtual bool canRead(const ReadSettings& settings) const = 0;
    virtual SourceReading read(pid_t pid, const ReadSettings& settings) const = 0;
};

// Appends the groups of a later source to those of the earlier ones in `sheet`, leaving out
// what is there already: an item whose key combination an earlier item holds (one
// combination runs one command, which the earlier row names), and an item that repeats one
// of its own source's, key combination and title alike. Groups left empty are dropped.
void appendNewShortcuts(std::vector<ShortcutGroup>& sheet, std::vector<ShortcutGroup> later);

}  // namespace holdsheet
