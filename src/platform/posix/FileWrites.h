#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>
#include <optional>

namespace holdsheet {

// Files written whole and checked: each write and the flush to the disk; a failure leaves
// nothing half-written behind.

// Puts `content` in the file at `path` in one step: the text goes to a new file beside it,
// which is flushed to the disk and only then renamed over the old one. Every write, the
// flush and the rename are checked, and on any failure (a full disk, a folder that cannot be
// written) the old file stays as it was, byte for byte. A symbolic link at `path` is
// followed, so that the file it names gets the text and the link stays a link. The old file's
// permissions are kept; a new one gets `newMode` less the umask.
//
// Returns why the file could not be written, or nothing once it was.
std::optional<QString> replaceFileContent(const QString& path, const QByteArray& content,
                                          mode_t newMode = 0666);

struct NewFile {
    enum class Outcome { written, exists, failed };
    Outcome outcome = Outcome::failed;
    QString failure;  // why, when it failed
};

// Creates the file `path` holding `content`, on the disk once this returns. Never over
// anything already there: a file, a link or a dangling link at `path` is `exists`, untouched.
NewFile writeNewFile(const QString& path, const QByteArray& content, mode_t mode);

}  // namespace holdsheet
