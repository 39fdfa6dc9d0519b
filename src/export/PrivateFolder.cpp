#include "export/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <cerrno>

namespace holdsheet {

namespace {

constexpr mode_t privateMode = 0700;

bool isOurs(const struct stat& info) {
    return info.st_uid == ::geteuid();
}

// `name` inside `parent`, made when missing; never through a link.
FileDescriptor openPrivate(int parent, const QByteArray& name) {
    if (::mkdirat(parent, name.constData(), privateMode) != 0 && errno != EEXIST) {
        return {};
    }
    FileDescriptor fd(
        ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !S_ISDIR(info.st_mode) || !isOurs(info)) {
        return {};
    }
    if ((info.st_mode & 0077) != 0 && ::fchmod(fd.get(), privateMode) != 0) {
        return {};
    }
    return fd;
}

}  // namespace

std::optional<PrivateFolder> PrivateFolder::open(const QString& base, const QStringList& below) {
    PrivateFolder folder{QDir::cleanPath(base),
                         FileDescriptor(::open(QFile::encodeName(base).constData(),
                                               O_RDONLY | O_DIRECTORY | O_CLOEXEC))};
    if (!folder.fd.valid()) {
        return std::nullopt;
    }
    for (const QString& name : below) {
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == u"." || name == u"..") {
            return std::nullopt;
        }
        folder.fd = openPrivate(folder.fd.get(), QFile::encodeName(name));
        if (!folder.fd.valid()) {
            return std::nullopt;
        }
        folder.path += QLatin1Char('/') + name;
    }
    return folder;
}

ExportFolderPlaces ExportFolderPlaces::fromEnvironment() {
    return {qEnvironmentVariable("XDG_RUNTIME_DIR"),
            QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)};
}

std::optional<PrivateFolder> exportFolder(const ExportFolderPlaces& places) {
    const QString product = QStringLiteral("Holdsheet");
    struct stat runtime {};
    // The runtime folder is the desktop session's, made 0700 for this user at login; one that
    // is not so is not one to trust.
    if (!places.runtimeDir.isEmpty() &&
        ::lstat(QFile::encodeName(places.runtimeDir).constData(), &runtime) == 0 &&
        S_ISDIR(runtime.st_mode) && isOurs(runtime) && (runtime.st_mode & 0777) == privateMode) {
        return PrivateFolder::open(places.runtimeDir, {product});
    }
    if (places.cacheHome.isEmpty() || !QDir().mkpath(places.cacheHome)) {
        return std::nullopt;
    }
    return PrivateFolder::open(places.cacheHome, {product, QStringLiteral("tmp")});
}

}  // namespace holdsheet
