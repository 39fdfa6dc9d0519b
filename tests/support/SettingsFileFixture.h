#pragma once

#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace holdsheet::testing {

// A settings file in a fresh directory, with what tells whether it was rewritten.
class SettingsFileFixture : public ::testing::Test {
  protected:
    struct Identity {
        ino_t inode;
        qint64 modifiedNs;
        QByteArray content;
        bool operator==(const Identity&) const = default;
    };

    QString path() const { return root + "/Holdsheet/Holdsheet.conf"; }
    void writeSettings(const QByteArray& content) { ASSERT_TRUE(writeFile(path(), content)); }
    void appendSettings(const QByteArray& content) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(content);
    }
    // A rename puts a new inode in place; a rewrite in place moves the modification time. Only
    // a regular file is read: opening a FIFO would block.
    Identity identity() const {
        struct stat info {};
        if (::lstat(QFile::encodeName(path()).constData(), &info) != 0) {
            return {};
        }
        return {info.st_ino, qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                S_ISREG(info.st_mode) ? readFile(path()) : QByteArray()};
    }
    QTemporaryDir dir;
    QString root = dir.path();  // the settings folder's parent
};

}  // namespace holdsheet::testing
