#pragma once

#include "platform/FileDescriptor.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace holdsheet {

// A folder only this user may enter, held open so that what is written goes into this very
// folder even if its path is changed meanwhile.
struct PrivateFolder {
    QString path;
    FileDescriptor fd;

    // Opens `base` (as named, links included: it is the user's own) and the folders `below` it,
    // creating the missing ones with mode 0700. None when one of those below is a symbolic
    // link, not a directory, or not ours; one of ours that others may enter is closed to them.
    static std::optional<PrivateFolder> open(const QString& base, const QStringList& below);
};

// Where the temporary exports go.
struct ExportFolderPlaces {
    QString runtimeDir;  // $XDG_RUNTIME_DIR; may be empty
    QString cacheHome;   // the user's cache folder ($XDG_CACHE_HOME or ~/.cache)

    static ExportFolderPlaces fromEnvironment();
};

// The folder for temporary exports: "Holdsheet" in the runtime folder when it is a folder of
// ours that only we may enter, else "Holdsheet/tmp" in the cache folder. Never the shared
// temporary folder, where another user could have made the folder first or put a link there.
std::optional<PrivateFolder> exportFolder(const ExportFolderPlaces& places);

}  // namespace holdsheet
