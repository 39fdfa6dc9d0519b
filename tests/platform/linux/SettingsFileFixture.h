#pragma once

#include <QDir>
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

    QString path() const { return dir.filePath("Holdsheet/Holdsheet.conf"); }
    void writeFile(const QByteArray& content) {
        QDir().mkpath(dir.filePath("Holdsheet"));
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    void appendToFile(const QByteArray& content) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(content);
    }
    QByteArray readFile(const QString& name) const {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A rename puts a new inode in place; a rewrite in place moves the modification time.
    Identity identity() const {
        struct stat info {};
        if (::lstat(QFile::encodeName(path()).constData(), &info) != 0) {
            return {};
        }
        return {info.st_ino, qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                readFile(path())};
    }
    QTemporaryDir dir;
};

}  // namespace holdsheet::testing
