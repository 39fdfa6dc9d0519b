#pragma once

#include <QString>

#include <sys/types.h>
#include <functional>

class QFileDevice;

namespace holdsheet {

// What to do with a file already at the target.
enum class Existing { replace, keep };

enum class FileWrite {
    written,
    exists,  // Existing::keep and a file was there: it is untouched
    failed,  // the target is untouched
};

// Writes the file `name` of the open folder `folderFd` through a temporary file of that
// folder, renamed into place once complete and on disk: the target holds the old content or
// the new, never a part. `write` fills the temporary; false abandons it. A new file gets
// `mode` (less the umask). A symbolic link at the target is replaced, not followed.
FileWrite writeFileAtomically(int folderFd, const QString& name, mode_t mode, Existing existing,
                              const std::function<bool(QFileDevice&)>& write);

// The same for a path: its folder is opened as named, links included.
FileWrite writeFileAtomically(const QString& path, mode_t mode, Existing existing,
                              const std::function<bool(QFileDevice&)>& write);

}  // namespace holdsheet
