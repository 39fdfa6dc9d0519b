#pragma once

#include "platform/ShortcutsHelp.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <mutex>

namespace holdsheet {

// The bundle reader beside the running program (a build tree), else the installed one.
QString installedBundleReader();

// Reads the shortcuts help that an application compiles into its program file and its own
// libraries as GResource bundles, and translates its titles with the application's gettext
// catalogues.
class CompiledHelp final : public ShortcutsHelp {
  public:
    struct Places {
        QStringList localeRoots{QStringLiteral("/usr/share/locale")};
        QString proc = QStringLiteral("/proc");
        // The program that opens the bundles (holdsheet-bundle-reader).
        QString bundleReader = installedBundleReader();
    };
    CompiledHelp() : CompiledHelp(Places{}) {}
    explicit CompiledHelp(Places places);

    Reading read(pid_t pid, const QStringList& languages) override;

    // The same for files named directly, as a process would have them mapped.
    Reading readFiles(const QString& program, const QStringList& libraries,
                      const QStringList& languages);

  private:
    struct Opened;
    Reading readOpened(const Opened& opened, const QStringList& languages);

    Places places_;
    std::mutex mutex_;
    std::map<QString, Reading> cache_;  // by the files' identities and the languages
};

inline constexpr int maxApplicationLibraries = 16;

// The libraries in a process's memory map (/proc/PID/maps) that belong to the application
// `program` rather than to the system: those outside the system's library folders (its own
// prefix, a bundle), and those inside them whose file or folder is named after the program
// (e.g. /usr/lib/x86_64-linux-gnu/gedit/libgedit-43.2.so). Toolkit plugins and every other
// shared library of the system are left out: they are many, and hold no application's help.
QStringList applicationLibraries(const QByteArray& maps, const QString& program);

// Gettext's search order for `languages`: each as given, then without codeset and modifier,
// then without territory ("de_DE.UTF-8" → "de_DE.UTF-8", "de_DE", "de").
QStringList catalogueLanguages(const QStringList& languages);

// Gettext domains to try for a help with no domain of its own, most likely first: the
// program's name, then names drawn from the help's resource path.
QStringList domainCandidates(const QString& program, const QString& resourcePath);

}  // namespace holdsheet
