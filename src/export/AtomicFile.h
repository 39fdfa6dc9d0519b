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
    exists,      // Existing::keep and something was there: it is untouched
    notRegular,  // a folder, FIFO, device or socket is there: it is untouched
    failed,      // the target is untouched
};

// Writes the file `name` of the open folder `folderFd` whole or not at all: the content is
// written and synced to a file without a name (or, where the file system cannot make one, a
// hidden temporary), which then takes the target's name. The target holds the old content or
// the new, never a part, and an interrupted or failed write leaves nothing behind (with the
// hidden temporary, nothing but after a kill). `write` fills the file; false abandons it.
//
// Only a regular file is replaced, and the new one keeps its permission bits (and, where the
// process may give it, its owner and group); a new file gets `mode` less the umask. A symbolic
// link at the target is itself replaced, never followed, so a link cannot steer the write
// into another folder or onto a device.
FileWrite writeFileAtomically(int folderFd, const QString& name, mode_t mode, Existing existing,
                              const std::function<bool(QFileDevice&)>& write);

// The same for a path: its folder is opened as named, links included.
FileWrite writeFileAtomically(const QString& path, mode_t mode, Existing existing,
                              const std::function<bool(QFileDevice&)>& write);

}  // namespace holdsheet
