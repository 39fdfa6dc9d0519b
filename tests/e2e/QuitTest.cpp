#include "E2eSupport.h"

#include "app/ExitStatus.h"

#include <gtest/gtest.h>

#include <csignal>

#include <fcntl.h>
#include <unistd.h>

// Ending the program: the orderly way while work is in flight, and the last resort when its
// main thread is blocked writing. (SIGTERM while the accessibility bus is stopped:
// StoppedAccessibilityBus in PanelTest.)

namespace holdsheet::e2e {
namespace {

// A pipe nobody reads, as small as the kernel makes one: a program writing to it soon
// blocks. The test keeps the read end; the program gets the write end, which the test closes
// once the program has it.
struct UnreadPipe {
    UnreadPipe() {
        EXPECT_EQ(pipe2(ends, O_CLOEXEC), 0);
        fcntl(ends[1], F_SETPIPE_SZ, 4096);
    }
    ~UnreadPipe() {
        close(ends[0]);
        closeWriteEnd();
    }
    void closeWriteEnd() {
        close(ends[1]);
        ends[1] = -1;
    }
    int ends[2] = {-1, -1};
};

// Whether the process's main thread waits in a write to this descriptor.
bool mainThreadWritesTo(pid_t pid, int descriptor) {
    const QList<QByteArray> fields =
        readFile(QStringLiteral("/proc/%1/syscall").arg(pid)).split(' ');
    // write(2) and writev(2) on x86-64 and aarch64
    static const QList<QByteArray> writes{"1", "20", "64", "66"};
    return fields.size() > 1 && writes.contains(fields[0]) &&
           fields[1].toLongLong(nullptr, 16) == descriptor;
}

// A read of a stopped application waits for its timeout on the background worker, which
// uses the accessibility adapter: quitting then must wait for it, not tear the adapter down
// under it (an ASan build reports that).
class QuitWhileReading : public OverOneMenuApp {};

TEST_F(QuitWhileReading, EndsCleanly) {
    ASSERT_EQ(::kill(app.pid(), SIGSTOP), 0);
    ASSERT_EQ(runHoldsheet({"show"}).exitCode, 0);
    const bool reading = waitUntil([] { return panelStatus().value("loading").toBool(); });
    const auto ended = holdsheet->terminate(20s);
    ::kill(app.pid(), SIGCONT);
    ASSERT_TRUE(reading);
    EXPECT_EQ(ended, std::optional<int>(0));
    const QByteArray errors = holdsheet->errorOutput();
    EXPECT_FALSE(errors.contains("AddressSanitizer") || errors.contains("runtime error"))
        << errors.toStdString();
}

// Qt writing its log to standard error, a pipe nobody reads: the main thread blocks in the
// write, holding the stream. The forced end after SIGTERM must not wait for that stream.
TEST(Quit, SigtermEndsAProgramBlockedWritingToAFullStandardError) {
    UnreadPipe errors;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_LOGGING_RULES", "*.debug=true");
    environment.insert("QT_DEBUG_PLUGINS", "1");
    RunningApp holdsheet(QStringList{HOLDSHEET_BINARY}, environment, {-1, errors.ends[1]});
    errors.closeWriteEnd();
    const bool blocked = waitUntil([&] { return mainThreadWritesTo(holdsheet.pid(), 2); }, 30s);
    const auto terminating = Clock::now();
    const auto ended = holdsheet.terminate(20s);
    std::printf("[measure] main thread blocked on a full stderr: SIGTERM to exit %lld ms\n",
                msSince(terminating));
    ASSERT_TRUE(blocked);
    EXPECT_EQ(ended, std::optional<int>(0));
}

// `dump` keeps its deadline with its output a pipe nobody reads: the sheet fills the pipe,
// and the write of the rest blocks until the deadline ends the run.
TEST(Quit, DumpKeepsItsDeadlineWhenNobodyReadsItsOutput) {
    std::vector<MenuLine> menus{{0, "menu", "_File", "", ""}};
    for (const std::string modifiers : {"<Primary>", "<Primary><Shift>", "<Primary><Alt>"}) {
        for (char key = 'a'; key <= 'z'; ++key) {
            menus.push_back({1, "item", "A command with a long label, " + modifiers + key,
                             modifiers + key, ""});
        }
    }
    RunningApp app(Toolkit::gtk, menus);
    ASSERT_TRUE(app.waitUntilReadable());
    UnreadPipe output;
    const auto started = Clock::now();
    RunningApp dump(QStringList{HOLDSHEET_BINARY, "dump", "--pid", QString::number(app.pid()),
                                "--format", "json", "--timeout", "3"},
                    QProcessEnvironment::systemEnvironment(), {output.ends[1], -1});
    output.closeWriteEnd();
    const bool blocked = waitUntil([&] { return mainThreadWritesTo(dump.pid(), 1); });
    const auto ended = dump.waitForExit(20s);
    std::printf("[measure] dump --timeout 3 into an unread pipe: exit after %lld ms\n",
                msSince(started));
    EXPECT_TRUE(blocked) << "the sheet did not fill the pipe";
    EXPECT_EQ(ended, std::optional<int>(exitPastTimeout)) << dump.errorOutput().toStdString();
    EXPECT_TRUE(dump.errorOutput().contains("no sheet within 3 s"))
        << dump.errorOutput().toStdString();
}

}  // namespace
}  // namespace holdsheet::e2e
