#include "platform/linux/IniPreferenceStore.h"

#include "platform/linux/SettingsFileFixture.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <future>
#include <thread>

// What takes the settings file's place may be anything: only a regular file of sane size is
// read or written.

namespace holdsheet {
namespace {

using namespace std::chrono_literals;
using namespace holdsheet::testing;

struct Outcome {
    std::optional<QVariant> themeBefore;
    std::optional<QString> themeAfter;
    std::string errors;
};

class Refusal : public SettingsFileFixture {
  protected:
    // Runs the store on its own thread: a blocking open would otherwise hang the test.
    Outcome useStore() {
        std::promise<Outcome> promise;
        auto result = promise.get_future();
        std::thread worker([&] {
            ::testing::internal::CaptureStderr();
            IniPreferenceStore store(path());
            Outcome outcome;
            outcome.themeBefore = store.object("theme");
            store.set("theme", "light");
            store.set("textSize", "large");
            outcome.themeAfter = store.string("theme");
            outcome.errors = ::testing::internal::GetCapturedStderr();
            promise.set_value(outcome);
        });
        // Generous: a loaded machine takes seconds over a 1 MiB file; a FIFO blocks for ever.
        const bool finished = result.wait_for(60s) == std::future_status::ready;
        if (!finished) {
            // The writer releases the open; with the FIFO gone, nothing blocks again.
            const QByteArray name = QFile::encodeName(path());
            const int writer = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
            ::unlink(name.constData());
            if (writer >= 0) {
                ::close(writer);
            }
        }
        worker.join();
        EXPECT_TRUE(finished) << "the store blocked";
        return result.get();
    }
    void makeDirectory() { QDir().mkpath(dir.filePath("Holdsheet")); }
};

TEST_F(Refusal, AFifoIsNeitherOpenedNorWritten) {
    makeDirectory();
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    const Outcome outcome = useStore();
    EXPECT_EQ(outcome.themeBefore, std::nullopt);
    EXPECT_EQ(outcome.themeAfter, "light") << "changes live on in memory";
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(path()).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(Refusal, ALinkToADeviceIsRefused) {
    makeDirectory();
    ASSERT_TRUE(QFile::link("/dev/zero", path()));
    const Outcome outcome = useStore();
    EXPECT_EQ(outcome.themeBefore, std::nullopt);
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), "/dev/zero");
}

TEST_F(Refusal, AFileOverOneMebibyteIsNotReadNorWritten) {
    writeFile("[General]\ntheme=dark\n");
    ASSERT_TRUE(QFile::resize(path(), 50 << 20));
    const auto before = identity();
    const Outcome outcome = useStore();
    EXPECT_EQ(outcome.themeBefore, std::nullopt) << "read nothing, not even the first line";
    EXPECT_EQ(outcome.themeAfter, "light");
    EXPECT_TRUE(identity() == before);
}

TEST_F(Refusal, JustUnderTheLimitIsRead) {
    writeFile("[General]\ntheme=dark\n" + QByteArray((1 << 20) - 40, '\n'));
    const Outcome outcome = useStore();
    EXPECT_EQ(outcome.themeBefore, QVariant("dark"));
    EXPECT_EQ(outcome.errors, "");
    EXPECT_TRUE(readFile(path()).startsWith("[General]\ntheme=light\ntextSize=large\n"));
}

TEST_F(Refusal, ItIsSaidOnceOnStandardError) {
    makeDirectory();
    ASSERT_EQ(::mkdir(QFile::encodeName(path()).constData(), 0700), 0);
    const Outcome outcome = useStore();
    EXPECT_EQ(outcome.themeBefore, std::nullopt);
    const std::string said = outcome.errors;
    EXPECT_NE(said.find("not a regular file"), std::string::npos) << said;
    EXPECT_EQ(said.find("ignored"), said.rfind("ignored")) << said;
}

}  // namespace
}  // namespace holdsheet
