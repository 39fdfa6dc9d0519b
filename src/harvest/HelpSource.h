#pragma once

#include "harvest/ShortcutSource.h"
#include "platform/Accelerators.h"
#include "platform/ShortcutsHelp.h"

#include <optional>

namespace holdsheet {

class Localization;

// The shortcuts help an application compiles in (the window its Ctrl+? opens) as a source of
// a sheet. It needs no accessibility, so it reads without the permission too; its rows are
// performed by posting their key combination.
class HelpSource : public ShortcutSource {
  public:
    // Beyond this many rows the rest of a help is left out: no real one comes near it.
    static constexpr int itemLimit = 801;
    // Alternatives of one shortcut looked at for one that can be named.
    static constexpr int alternativeLimit = 16;

    HelpSource(ShortcutsHelp& help, const Accelerators& accelerators,
               const Localization& localization)
        : help_(help), accelerators_(accelerators), localization_(localization) {}

    bool canRead(const ReadSettings&) const override { return true; }
    SourceReading read(pid_t pid, const ReadSettings& settings) const override;

  private:
    ShortcutsHelp& help_;
    const Accelerators& accelerators_;
    const Localization& localization_;
};

// The row of one shortcut of a help: its first alternative that is one combination this
// program can name. Disabled when no key is known to type it, since it cannot be posted.
std::optional<ShortcutItem> helpItem(const HelpShortcut& shortcut,
                                     const Accelerators& accelerators);

struct HelpTexts {
    QString untitledGroup;  // the title of a group the help leaves untitled
    QString subtitle;       // where these groups come from
};

// The groups of a help, in its order, each holding at least one row, at most `itemLimit`
// rows in all.
std::vector<ShortcutGroup> helpGroups(const std::vector<HelpGroup>& help,
                                      const Accelerators& accelerators, const HelpTexts& texts,
                                      bool includeDisabled);

// The languages to ask a help's translations for, most wanted first, from the code of the
// interface's catalogue ("pt-BR" gives "pt_BR", "pt").
QStringList helpLanguages(const QString& catalogueCode);

}  // namespace holdsheet
