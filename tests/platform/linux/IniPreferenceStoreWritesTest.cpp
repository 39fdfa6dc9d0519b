#include "platform/linux/IniPreferenceStore.h"

#include "platform/linux/LockHolder.h"
#include "platform/linux/SettingsFileFixture.h"
#include "platform/linux/SmallTmpfs.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <future>

// How the store's writes meet a full disk, a lock another process holds, and links left
// where the copy of an unreadable file goes.

namespace holdsheet {
namespace {

using namespace std::chrono_literals;
using namespace holdsheet::testing;

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

TEST(FullDisk, TheSettingsFileKeepsItsTextAndTheChangeWaitsForRoom) {
    inSmallTmpfs(64 * 1024, [](const QString& folder) {
        const QString path = folder + "/Holdsheet/Holdsheet.conf";
        const QByteArray original = "; kept by hand\n[General]\ntheme=dark\ntextSize=large\n";
        ASSERT_TRUE(QDir().mkpath(folder + "/Holdsheet"));
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(original), original.size());
        }
        IniPreferenceStore store(path);
        fillUp(folder);

        ::testing::internal::CaptureStderr();
        store.set("theme", "light");
        EXPECT_FALSE(store.flush());
        store.set("holdLevel", 3.0);
        EXPECT_FALSE(store.flush());
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(contentOf(path), original) << "byte for byte";
        EXPECT_TRUE(store.writeFailure().contains("No space left"))
            << store.writeFailure().toStdString();
        EXPECT_EQ(countOf(said, "settings not saved"), 1) << said;
        EXPECT_EQ(store.string("theme"), "light") << "the change lives on in memory";

        ASSERT_TRUE(QFile::remove(folder + "/filler"));
        EXPECT_TRUE(store.flush());
        EXPECT_EQ(contentOf(path),
                  "; kept by hand\n[General]\ntheme=light\ntextSize=large\nholdLevel=3\n");
        EXPECT_EQ(store.writeFailure(), "");
        EXPECT_EQ(QDir(folder + "/Holdsheet").entryList(QDir::Files | QDir::Hidden),
                  (QStringList{"Holdsheet.conf", "Holdsheet.conf.lock"}))
            << "no temporary file left behind";
    });
}

class HeldLock : public SettingsFileFixture {};

TEST_F(HeldLock, AnUnchangedValueNeitherWaitsNorTakesTheLock) {
    writeFile("[General]\nhadAccessibilityAccess=true\n");
    IniPreferenceStore store(path(), 1h);
    for (int second = 0; second < 3; ++second) {
        store.set("hadAccessibilityAccess", true);
    }
    EXPECT_TRUE(store.flush());
    EXPECT_FALSE(QFileInfo::exists(path() + ".lock")) << "not even opened";

    LockHolder holder(path() + ".lock");
    ASSERT_TRUE(holder.locked());
    auto stored = std::async(std::launch::async, [&] {
        store.set("hadAccessibilityAccess", true);
        return store.flush();
    });
    // Only a broken build waits here: for the lock, which is released after this.
    const bool beforeRelease = stored.wait_for(60s) == std::future_status::ready;
    holder.release();
    EXPECT_TRUE(beforeRelease);
    EXPECT_TRUE(stored.get());
}

TEST_F(HeldLock, AChangeIsReadAtOnceAndWrittenInTurn) {
    writeFile("[General]\ntheme=dark\n");
    IniPreferenceStore store(path(), 1h);
    int heard = 0;
    auto subscription = store.observe([&] { ++heard; });
    LockHolder holder(path() + ".lock");
    ASSERT_TRUE(holder.locked());

    auto changed = std::async(std::launch::async, [&] { store.set("theme", "light"); });
    const bool beforeRelease = changed.wait_for(60s) == std::future_status::ready;
    EXPECT_TRUE(beforeRelease) << "the caller waited for the lock";
    EXPECT_EQ(store.string("theme"), "light");
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(readFile(path()), "[General]\ntheme=dark\n") << "written while locked";
    EXPECT_EQ(IniPreferenceStore(path()).string("theme"), "dark");

    holder.release();
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(readFile(path()), "[General]\ntheme=light\n");
    EXPECT_EQ(IniPreferenceStore(path()).string("theme"), "light");
}

class CorruptCopy : public SettingsFileFixture {};

TEST_F(CorruptCopy, LinksAtTheCopysNamesArePassedOverNeverFollowed) {
    writeFile("[General]\ntheme=dark\nhalf a line\n");
    const QString victim = dir.filePath("victim");
    {
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("victim");
    }
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere/missing"), path() + ".corrupt"));
    ASSERT_TRUE(QFile::link(victim, path() + ".corrupt.1"));

    IniPreferenceStore store(path());
    store.set("theme", "light");
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(readFile(path()), "[General]\ntheme=light\n");
    EXPECT_EQ(store.setAsidePath(), path() + ".corrupt.2");
    EXPECT_EQ(readFile(path() + ".corrupt.2"), "[General]\ntheme=dark\nhalf a line\n");
    EXPECT_EQ(readFile(victim), "victim");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("nowhere")));
    EXPECT_EQ(QFileInfo(path() + ".corrupt").symLinkTarget(), dir.filePath("nowhere/missing"));
}

TEST_F(CorruptCopy, WithoutACopyTheSaveGoesOnKeepingTheUnreadableLines) {
    writeFile("[General]\ntheme=dark\nhalf a line\n");
    ASSERT_TRUE(QFile::link("nowhere", path() + ".corrupt"));
    for (int n = 1; n <= 1000; ++n) {
        ASSERT_TRUE(QFile::link("nowhere", path() + QStringLiteral(".corrupt.%1").arg(n)));
    }
    IniPreferenceStore store(path());
    ::testing::internal::CaptureStderr();
    store.set("theme", "light");
    EXPECT_TRUE(store.flush());
    store.set("textSize", "large");
    EXPECT_TRUE(store.flush());
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(readFile(path()), "[General]\ntheme=light\ntextSize=large\nhalf a line\n");
    EXPECT_EQ(store.setAsidePath(), "");
    EXPECT_EQ(countOf(said, "no copy of"), 1) << said;
}

}  // namespace
}  // namespace holdsheet
