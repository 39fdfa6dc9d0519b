#include "platform/posix/SettingsFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace holdsheet {

namespace {

SettingsFile::Stamp stampFrom(const struct stat& info) {
    return {info.st_dev, info.st_ino, info.st_size,
            qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
            qint64(info.st_ctim.tv_sec) * 1'000'000'000 + info.st_ctim.tv_nsec};
}

// Why the file cannot be read, or nothing when it can.
QString refusalOf(const struct stat& info, qint64 limit) {
    if (!S_ISREG(info.st_mode)) {
        return QStringLiteral("not a regular file");
    }
    if (info.st_size > limit) {
        return QStringLiteral("larger than %1 bytes").arg(limit);
    }
    return {};
}

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

SettingsFile refused(QString why) {
    SettingsFile file;
    file.state = SettingsFile::State::refused;
    file.refusal = std::move(why);
    return file;
}

}  // namespace

std::optional<SettingsFile::Stamp> SettingsFile::stampOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 ||
        !refusalOf(info, maxSize).isEmpty()) {
        return std::nullopt;
    }
    return stampFrom(info);
}

SettingsFile SettingsFile::read(const QString& path, qint64 limit) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return {};
        }
        return refused(QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (QString why = refusalOf(info, limit); !why.isEmpty()) {
        return refused(why);
    }
    // Non-blocking, in case a FIFO took the file's place since the look above.
    const Descriptor file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0) {
        return errno == ENOENT ? SettingsFile{}
                               : refused(QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (::fstat(file.fd, &info) != 0) {
        return refused(QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (QString why = refusalOf(info, limit); !why.isEmpty()) {
        return refused(why);
    }
    SettingsFile result;
    result.state = State::read;
    result.stamp = stampFrom(info);
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return refused(QString::fromLocal8Bit(std::strerror(errno)));
        }
        if (got == 0) {
            break;
        }
        result.content.append(buffer, got);
        if (result.content.size() > limit) {
            return refused(QStringLiteral("larger than %1 bytes").arg(limit));  // it grew
        }
    }
    return result;
}

}  // namespace holdsheet
