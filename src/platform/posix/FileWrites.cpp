#include "platform/posix/FileWrites.h"

#include "platform/FileDescriptor.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace holdsheet {

namespace {

QString failure(const QString& what, const QString& path, int error) {
    return QStringLiteral("%1 %2: %3")
        .arg(what, path, QString::fromLocal8Bit(std::strerror(error)));
}

// The file a chain of links ends at; the path itself when it is no link or leads nowhere.
QString linkTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) {
        return path;
    }
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? path : target;
}

bool writeAll(int fd, const QByteArray& content) {
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t wrote =
            ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            if (wrote == 0) {
                errno = ENOSPC;  // no progress and no reason given: the usual one
            }
            return false;
        }
        done += wrote;
    }
    return true;
}

}  // namespace

std::optional<QString> replaceFileContent(const QString& path, const QByteArray& content,
                                          mode_t newMode) {
    const QFileInfo target(linkTarget(path));
    const QString folderPath = target.absolutePath();
    const FileDescriptor folder(
        ::open(QFile::encodeName(folderPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return failure(QStringLiteral("cannot open the folder"), folderPath, errno);
    }
    const QByteArray name = QFile::encodeName(target.fileName());
    struct stat old {};
    const bool replacing =
        ::fstatat(folder.get(), name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;

    // Hidden, beside the file (a rename never crosses file systems), and never an existing
    // name: O_EXCL does not follow a link planted there.
    QByteArray temporary;
    FileDescriptor out;
    for (int attempt = 0; attempt < 8 && !out.valid(); ++attempt) {
        temporary =
            "." + name + "." + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        out =
            FileDescriptor(::openat(folder.get(), temporary.constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, newMode));
        if (!out.valid() && errno != EEXIST) {
            break;
        }
    }
    if (!out.valid()) {
        return failure(QStringLiteral("cannot create a file in"), folderPath, errno);
    }
    const auto abandon = [&](const QString& what) {
        const int error = errno;
        ::unlinkat(folder.get(), temporary.constData(), 0);
        return failure(what, target.filePath(), error);
    };
    if (!writeAll(out.get(), content)) {
        return abandon(QStringLiteral("cannot write"));
    }
    if (replacing && S_ISREG(old.st_mode) && ::fchmod(out.get(), old.st_mode & 07777) != 0) {
        return abandon(QStringLiteral("cannot keep the permissions of"));
    }
    // On the disk before the rename, or a crash could leave an empty file in the old one's place.
    if (::fsync(out.get()) != 0) {
        return abandon(QStringLiteral("cannot write"));
    }
    out = FileDescriptor();  // what close could still report, fsync has said
    if (::renameat(folder.get(), temporary.constData(), folder.get(), name.constData()) != 0) {
        return abandon(QStringLiteral("cannot replace"));
    }
    ::fsync(folder.get());  // the rename itself; the file is in place whatever this says
    return std::nullopt;
}

NewFile writeNewFile(const QString& path, const QByteArray& content, mode_t mode) {
    const QByteArray name = QFile::encodeName(path);
    FileDescriptor out(
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!out.valid()) {
        if (errno == EEXIST) {
            return {NewFile::Outcome::exists, {}};
        }
        return {NewFile::Outcome::failed, failure(QStringLiteral("cannot create"), path, errno)};
    }
    if (!writeAll(out.get(), content) || ::fsync(out.get()) != 0) {
        const int error = errno;
        out = FileDescriptor();
        ::unlink(name.constData());
        return {NewFile::Outcome::failed, failure(QStringLiteral("cannot write"), path, error)};
    }
    return {NewFile::Outcome::written, {}};
}

}  // namespace holdsheet
