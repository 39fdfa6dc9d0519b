#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <functional>
#include <string>

namespace holdsheet::testing {

// Writes `content` at `path`, making its folder first.
inline bool writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// Runs `body` in a child process, over a tmpfs of `bytes` mounted on a fresh folder in a
// mount namespace of the child's own: neither the mount nor the full disk reaches anything
// else, and both go with the child. The child's failed expectations are printed as they
// happen and fail the calling test; where no tmpfs can be mounted (not root), it is skipped.
inline void inSmallTmpfs(qint64 bytes, const std::function<void(const QString& folder)>& body) {
    const QTemporaryDir mountPoint;
    ASSERT_TRUE(mountPoint.isValid());
    constexpr int cannotMount = 77;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0700";
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", QFile::encodeName(mountPoint.path()).constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV, options.constData()) != 0) {
            ::_exit(cannotMount);
        }
        body(mountPoint.path());
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
    if (WEXITSTATUS(status) == cannotMount) {
        GTEST_SKIP() << "no tmpfs in a private mount namespace here (it needs root)";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the checks in the child failed (above)";
}

// Takes every free byte of the file system of `folder` with a file "filler".
inline void fillUp(const QString& folder) {
    QFile filler(folder + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write("x", 1) == 1) {
    }
}

// Runs the event loop until `done` holds. The kernel's notices of file changes are
// asynchronous; the bound only keeps a broken build from hanging.
inline bool runEventsUntil(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(10'000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    return done();
}

}  // namespace holdsheet::testing
