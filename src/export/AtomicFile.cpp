#include "export/AtomicFile.h"

#include "platform/FileDescriptor.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <optional>

namespace holdsheet {

namespace {

// A fresh name that cannot be mistaken for an export: hidden, and short enough whatever the
// length of the target's name.
QByteArray temporaryName() {
    return ".holdsheet-" +
           QByteArray::number(QRandomGenerator::global()->generate64(), 16).rightJustified(16, '0');
}

// The file being written: unnamed while it can be, so that nothing is left to clean up when
// the process dies on the way; else under a hidden name, removed on every failure.
class PendingFile {
  public:
    PendingFile(int folder, mode_t mode) : folder_(folder) {
        fd_ = FileDescriptor(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
        if (fd_.valid() || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
            return;
        }
        for (int attempt = 0; attempt < 8 && !fd_.valid(); ++attempt) {
            name_ = temporaryName();
            fd_ = FileDescriptor(::openat(folder, name_.constData(),
                                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                          mode));
            if (!fd_.valid() && errno != EEXIST) {
                break;
            }
        }
        if (!fd_.valid()) {
            name_.clear();
        }
    }
    ~PendingFile() {
        if (!name_.isEmpty()) {
            ::unlinkat(folder_, name_.constData(), 0);
        }
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool valid() const { return fd_.valid(); }
    int fd() const { return fd_.get(); }

    // Gives the complete file the target's name: over what is there, or only where nothing is.
    FileWrite place(const char* target, Existing existing) {
        if (name_.isEmpty()) {
            if (existing == Existing::keep) {
                return link(target) ? FileWrite::written
                                    : (errno == EEXIST ? FileWrite::exists : FileWrite::failed);
            }
            // No call replaces a name with an unnamed file: it takes a hidden name for the
            // moment of the rename.
            for (int attempt = 0; attempt < 8 && name_.isEmpty(); ++attempt) {
                const QByteArray hidden = temporaryName();
                if (link(hidden.constData())) {
                    name_ = hidden;
                } else if (errno != EEXIST) {
                    return FileWrite::failed;
                }
            }
            if (name_.isEmpty()) {
                return FileWrite::failed;
            }
        }
        const FileWrite result =
            existing == Existing::replace
                ? (::renameat(folder_, name_.constData(), folder_, target) == 0 ? FileWrite::written
                                                                                : FileWrite::failed)
                : renameWithoutReplacing(name_.constData(), target);
        if (result == FileWrite::written) {
            name_.clear();
        }
        return result;
    }

  private:
    // Names the unnamed file, never over an existing name.
    bool link(const char* name) {
        if (::linkat(fd_.get(), "", folder_, name, AT_EMPTY_PATH) == 0) {
            return true;
        }
        if (errno == EEXIST) {
            return false;
        }
        // Linking by descriptor takes a capability that a user's process lacks; its name
        // under /proc does not.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_.get());
        return ::linkat(AT_FDCWD, self.constData(), folder_, name, AT_SYMLINK_FOLLOW) == 0;
    }

    // Puts `from` at `to` unless something is there already.
    FileWrite renameWithoutReplacing(const char* from, const char* to) {
        if (::renameat2(folder_, from, folder_, to, RENAME_NOREPLACE) == 0) {
            return FileWrite::written;
        }
        if (errno == EEXIST) {
            return FileWrite::exists;
        }
        if (errno != EINVAL && errno != ENOSYS) {
            return FileWrite::failed;
        }
        // A file system without the exclusive rename: a hard link is exclusive as well.
        if (::linkat(folder_, from, folder_, to, 0) != 0) {
            return errno == EEXIST ? FileWrite::exists : FileWrite::failed;
        }
        ::unlinkat(folder_, from, 0);
        return FileWrite::written;
    }

    int folder_;
    FileDescriptor fd_;
    QByteArray name_;  // empty while the file has no name
};

}  // namespace

FileWrite writeFileAtomically(int folderFd, const QString& name, mode_t mode, Existing existing,
                              const std::function<bool(QFileDevice&)>& write) {
    const QByteArray target = QFile::encodeName(name);
    if (target.isEmpty() || target.contains('/')) {
        return FileWrite::failed;
    }
    struct stat there {};
    const bool present = ::fstatat(folderFd, target.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0;
    if (present && existing == Existing::keep) {
        return FileWrite::exists;  // spare the work; placing the file checks again
    }
    // A FIFO or a device takes no file's place; a link is only a name.
    if (present && !S_ISREG(there.st_mode) && !S_ISLNK(there.st_mode)) {
        return FileWrite::notRegular;
    }
    PendingFile file(folderFd, mode);
    if (!file.valid()) {
        return FileWrite::failed;
    }
    if (present && S_ISREG(there.st_mode)) {
        // Who may read the file stays as its owner had it. Giving it away takes privileges:
        // without them the new file is the writer's, which the folder allowed.
        if (there.st_uid != ::geteuid() || there.st_gid != ::getegid()) {
            [[maybe_unused]] const int given = ::fchown(file.fd(), there.st_uid, there.st_gid);
        }
        if (::fchmod(file.fd(), there.st_mode & 0777) != 0) {
            return FileWrite::failed;
        }
    }
    bool complete = false;
    {
        QFile device;
        if (device.open(file.fd(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            complete = write(device) && device.flush() && device.error() == QFileDevice::NoError;
        }
    }
    if (!complete || ::fsync(file.fd()) != 0) {
        return FileWrite::failed;
    }
    return file.place(target.constData(), existing);
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
