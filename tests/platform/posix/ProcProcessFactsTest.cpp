#include "platform/posix/ProcProcessFacts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// A command line as the kernel keeps it: each argument ended by a NUL.
QByteArray commandLine(const QList<QByteArray>& arguments) {
    QByteArray bytes;
    for (const QByteArray& argument : arguments) {
        bytes += argument + '\0';
    }
    return bytes;
}

// A stand-in for /proc with one process whose program file lies in `programFolder` under
// `programName`, next to `besides`, started with `commandLine` (arguments NUL-separated).
class FakeProc {
  public:
    void process(pid_t pid, const QString& programFolder, const QString& programName,
                 const QStringList& besides, const QByteArray& commandLine) {
        const QString program = root_.filePath("fs/" + programFolder + "/" + programName);
        write(program, "ELF");
        for (const QString& file : besides) {
            write(root_.filePath("fs/" + programFolder + "/" + file), "data");
        }
        const QString folder = root_.filePath("proc/" + QString::number(pid));
        QDir().mkpath(folder);
        ASSERT_TRUE(QFile::link(program, folder + "/exe"));
        write(folder + "/cmdline", commandLine);
    }
    QString proc() const { return root_.filePath("proc"); }

  private:
    QTemporaryDir root_;
};

TEST(ProcProcessFacts, BrowserEnginesByTheirProgramAndTheSwitchOnTheirCommandLine) {
    FakeProc proc;
    proc.process(10, "usr/bin", "gedit", {}, commandLine({"gedit", "file.txt"}));
    proc.process(11, "usr/lib/chromium", "chromium", {}, commandLine({"chromium"}));
    proc.process(12, "opt/Editor", "editor", {"v8_context_snapshot.bin", "resources.pak"},
                 commandLine({"/opt/Editor/editor", "--force-renderer-accessibility"}));
    proc.process(13, "opt/Chat", "chat", {"snapshot_blob.bin"},
                 commandLine({"chat", "--force-renderer-accessibility=complete"}));
    // The switch as part of another argument, or as a file name, is not the switch.
    proc.process(14, "opt/Mail", "mail", {"chrome_100_percent.pak"},
                 commandLine({"mail", "--x--force-renderer-accessibility"}));
    proc.process(15, "usr/bin", "electron", {}, QByteArray());
    const ProcProcessFacts facts(proc.proc());
    const struct {
        pid_t pid;
        bool running;
        bool browserEngine;
        bool forced;
    } cases[] = {
        {10, true, false, false},  {11, true, true, false},  {12, true, true, true},
        {13, true, true, true},    {14, true, true, false},  {15, true, true, false},
        {16, false, false, false}, {0, false, false, false}, {-1, false, false, false},
    };
    for (const auto& c : cases) {
        const auto found = facts.of(c.pid);
        EXPECT_EQ(found.running, c.running) << c.pid;
        EXPECT_EQ(found.browserEngine, c.browserEngine) << c.pid;
        EXPECT_EQ(found.accessibilityForced, c.forced) << c.pid;
    }
}

// The real /proc: this test's own process runs, and is no browser.
TEST(ProcProcessFacts, ThisProcess) {
    const auto found = ProcProcessFacts().of(getpid());
    EXPECT_TRUE(found.running);
    EXPECT_FALSE(found.browserEngine);
}

}  // namespace
}  // namespace holdsheet
