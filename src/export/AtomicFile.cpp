#include "export/AtomicFile.h"

#include "export/FileDescriptor.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <cerrno>
#include <cstdio>

namespace holdsheet {

namespace {

// A fresh name that cannot be mistaken for an export: hidden, and short enough whatever the
// length of the target's name.
QByteArray temporaryName() {
    return ".holdsheet-" +
           QByteArray::number(QRandomGenerator::global()->generate64(), 16).rightJustified(16, '0');
}

// Puts `from` at `to` unless something is there already.
FileWrite renameWithoutReplacing(int folder, const char* from, const char* to) {
    if (::renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0) {
        return FileWrite::written;
    }
    if (errno == EEXIST) {
        return FileWrite::exists;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return FileWrite::failed;
    }
    // A file system without the exclusive rename: a hard link is exclusive as well.
    if (::linkat(folder, from, folder, to, 0) != 0) {
        return errno == EEXIST ? FileWrite::exists : FileWrite::failed;
    }
    ::unlinkat(folder, from, 0);
    return FileWrite::written;
}

}  // namespace

FileWrite writeFileAtomically(int folderFd, const QString& name, mode_t mode, Existing existing,
                              const std::function<bool(QFileDevice&)>& write) {
    const QByteArray target = QFile::encodeName(name);
    if (target.isEmpty() || target.contains('/')) {
        return FileWrite::failed;
    }
    struct stat there {};
    if (existing == Existing::keep &&
        ::fstatat(folderFd, target.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0) {
        return FileWrite::exists;  // spare the work; the rename checks again
    }
    QByteArray temporary;
    FileDescriptor fd;
    for (int attempt = 0; attempt < 8 && !fd.valid(); ++attempt) {
        temporary = temporaryName();
        fd = FileDescriptor(::openat(folderFd, temporary.constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (!fd.valid() && errno != EEXIST) {
            return FileWrite::failed;
        }
    }
    if (!fd.valid()) {
        return FileWrite::failed;
    }
    bool complete = false;
    {
        QFile file;
        if (file.open(fd.get(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            complete = write(file) && file.flush() && file.error() == QFileDevice::NoError;
        }
    }
    complete = complete && ::fsync(fd.get()) == 0;
    fd = FileDescriptor();
    FileWrite result = FileWrite::failed;
    if (complete) {
        if (existing == Existing::replace) {
            result = ::renameat(folderFd, temporary.constData(), folderFd, target.constData()) == 0
                         ? FileWrite::written
                         : FileWrite::failed;
        } else {
            result = renameWithoutReplacing(folderFd, temporary.constData(), target.constData());
        }
    }
    if (result != FileWrite::written) {
        ::unlinkat(folderFd, temporary.constData(), 0);
    }
    return result;
}

FileWrite writeFileAtomically(const QString& path, mode_t mode, Existing existing,
                              const std::function<bool(QFileDevice&)>& write) {
    const QFileInfo info(path);
    const FileDescriptor folder(::open(QFile::encodeName(info.absolutePath()).constData(),
                                       O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return FileWrite::failed;
    }
    return writeFileAtomically(folder.get(), info.fileName(), mode, existing, write);
}

}  // namespace holdsheet
