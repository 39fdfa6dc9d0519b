#include "app/WholeWrite.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <thread>

namespace holdsheet {
namespace {

TEST(WholeWrite, APipeGetsEveryByteEvenPastItsBuffer) {
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
    const QByteArray bytes(1 << 20, 'x');  // far more than a pipe holds at once
    QByteArray read;
    std::thread reader([&] {
        char buffer[65536];
        ssize_t got = 0;
        while ((got = ::read(ends[0], buffer, sizeof buffer)) > 0) {
            read.append(buffer, got);
        }
    });
    const int error = writeWhole(ends[1], bytes);
    ::close(ends[1]);
    reader.join();
    ::close(ends[0]);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(read.size(), bytes.size());
}

TEST(WholeWrite, AFailedWriteIsReported) {
    // A file that may not grow past a few bytes: the write stops half way.
    QTemporaryDir dir;
    const int file = ::open(QFile::encodeName(dir.filePath("out")).constData(),
                            O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(file, 0);
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    rlimit limit = before;
    limit.rlim_cur = 4096;
    const auto handler = ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const int error = writeWhole(file, QByteArray(65536, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::signal(SIGXFSZ, handler);
    ::close(file);
    EXPECT_EQ(error, EFBIG);

    EXPECT_EQ(writeWhole(-1, "x"), EBADF);
}

}  // namespace
}  // namespace holdsheet
