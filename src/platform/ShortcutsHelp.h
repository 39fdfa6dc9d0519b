#pragma once
#include <sys/types.h>
#include <QString>
#include <QStringList>
#include <vector>
namespace holdsheet {
// One shortcut of an application's compiled shortcuts help, its title translated.
struct HelpShortcut {
    QString title;
    QStringList accelerators;  // as the help writes them, e.g. "<Primary><Shift>z", "F11"
};
struct HelpGroup {
    QString title;                        // translated; empty when the help gives none
    std::vector<HelpShortcut> shortcuts;  // only those with at least one accelerator
};
// The shortcuts help (the window behind Ctrl+?) that an application compiles into its
// program file or its own libraries.
class ShortcutsHelp {
  public:
    enum class Outcome { read, noHelp, unreadable };
    struct Reading {
        Outcome outcome = Outcome::noHelp;
        std::vector<HelpGroup> groups;
    };
    virtual ~ShortcutsHelp() = default;
    // Blocking; called off the main thread. `languages`: the user's interface language first
    // ("de_DE", "de"), for the titles' translations.
    virtual Reading read(pid_t pid, const QStringList& languages) = 0;
};
}  // namespace holdsheet
