#include "platform/posix/ProcessName.h"

#include "support/QtPrinters.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace holdsheet {
namespace {

TEST(ProcessName, TheCommandNameElseTheProcessNumber) {
    QFile comm("/proc/self/comm");
    ASSERT_TRUE(comm.open(QIODevice::ReadOnly));
    EXPECT_EQ(processName(getpid()), QString::fromLocal8Bit(comm.readAll()).trimmed());

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        _exit(0);
    }
    ASSERT_EQ(waitpid(child, nullptr, 0), child);  // gone: nothing left to read
    EXPECT_EQ(processName(child), QStringLiteral("process %1").arg(child));
}

}  // namespace
}  // namespace holdsheet
