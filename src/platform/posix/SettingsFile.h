#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>
#include <optional>

namespace holdsheet {

// The settings file read without ever blocking or swallowing memory: only a regular file
// (a symbolic link to one counts) of at most `maxSize` bytes is read; a FIFO, a device, a
// directory or anything larger is refused unopened, or right after a non-blocking open
// when it changed in between.
struct SettingsFile {
    static constexpr qint64 maxSize = 1 << 20;

    enum class State { absent, read, refused };

    // What tells one version of the file from another without reading it.
    struct Stamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const Stamp&) const = default;
    };

    State state = State::absent;
    QByteArray content;
    std::optional<Stamp> stamp;
    QString refusal;  // why, when refused

    static SettingsFile read(const QString& path, qint64 limit = maxSize);
    // Where the file stands now, without opening it; none when absent or refused.
    static std::optional<Stamp> stampOf(const QString& path);
};

}  // namespace holdsheet
