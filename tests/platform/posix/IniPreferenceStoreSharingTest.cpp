#include "permissions/PermissionMonitor.h"
#include "platform/posix/FileLock.h"
#include "platform/posix/IniPreferenceStore.h"
#include "support/LockHolder.h"

#include "support/FakeAccessibility.h"
#include "support/FakeRunner.h"
#include "support/QtPrinters.h"
#include "support/SettingsFileFixture.h"
#include "support/VirtualScheduler.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <future>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

// The settings file shared with the user's editor and other processes while the program runs,
// a lock one of them holds, and a full disk.

namespace holdsheet {
namespace {

using namespace std::chrono_literals;
using namespace holdsheet::testing;

class SharedFile : public SettingsFileFixture {
  protected:
    PermissionMonitor monitorOf(IniPreferenceStore& store) {
        return PermissionMonitor({ax, store, scheduler, runner});
    }
    FakeAccessibility ax;
    VirtualScheduler scheduler;
    FakeRunner runner;
};

TEST_F(SharedFile, ThePermissionChecksWriteOnlyWhenTheValueChangesKeepingLinesAddedMeanwhile) {
    writeSettings("; my settings\n[General]\ntheme=dark\n");
    IniPreferenceStore store(path());
    ax.trusted = false;
    auto monitor = monitorOf(store);
    monitor.startWatching();
    appendSettings("# no disabled items, please\nshowDisabled=false\n");
    EXPECT_EQ(store.boolean("showDisabled"), false);
    int heard = 0;
    auto subscription = store.observe([&] { ++heard; });

    int rewrites = 0;
    for (int cycle = 0; cycle < 5; ++cycle) {
        const auto before = identity();
        ax.setTrusted(true);
        ax.setTrusted(false);
        EXPECT_TRUE(store.flush());
        rewrites += identity() == before ? 0 : 1;
    }
    EXPECT_EQ(rewrites, 1) << "the first check stores the grant, the other four nothing";
    EXPECT_EQ(heard, 1);
    const QByteArray granted =
        "; my settings\n[General]\ntheme=dark\n# no disabled items, please\n"
        "showDisabled=false\nhadAccessibilityAccess=true\n";
    EXPECT_EQ(readFile(path()), granted);

    appendSettings("closeOnRelease=true\n");  // not read before the next write
    store.set("textSize", "large");
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(readFile(path()), granted + "closeOnRelease=true\ntextSize=large\n");
    EXPECT_FALSE(QFileInfo::exists(path() + ".corrupt")) << "nothing was lost, nothing kept";
}

TEST_F(SharedFile, WhatAnotherProcessChangedKeepsItsValue) {
    writeSettings("[General]\ntheme=dark\ntextSize=small\n");
    IniPreferenceStore ours(path());
    IniPreferenceStore theirs(path());
    EXPECT_EQ(ours.string("theme"), "dark");

    // Each write finished before the next starts, as when two processes take turns.
    theirs.set("theme", "light");
    EXPECT_TRUE(theirs.flush());
    ours.set("textSize", "large");
    EXPECT_TRUE(ours.flush());
    theirs.remove("hasOnboarded");  // absent already: no write
    ours.set("excludedApps", QStringList{"org.gnome.Terminal", "firefox"});
    EXPECT_TRUE(ours.flush());
    theirs.set("language", "he");
    EXPECT_TRUE(theirs.flush());

    for (const IniPreferenceStore* store : {&ours, &theirs}) {
        EXPECT_EQ(store->string("theme"), "light");
        EXPECT_EQ(store->string("textSize"), "large");
        EXPECT_EQ(store->string("language"), "he");
        EXPECT_EQ(store->stringList("excludedApps"),
                  (QStringList{"org.gnome.Terminal", "firefox"}));
    }
    EXPECT_EQ(readFile(path()),
              "[General]\ntheme=light\ntextSize=large\n"
              "excludedApps=org.gnome.Terminal, firefox\nlanguage=he\n");
}

TEST_F(SharedFile, AChangeSeenOnlyOnWritingIsHeardByObservers) {
    writeSettings("[General]\ntheme=dark\n");
    IniPreferenceStore store(path());
    int heard = 0;
    auto subscription = store.observe([&] { ++heard; });
    store.set("theme", "dark");
    EXPECT_EQ(heard, 0);
    writeSettings("[General]\ntheme=light\n");
    store.set("theme", "light");  // the same as the file now holds: nothing to write
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(store.string("theme"), "light");
}

TEST_F(SharedFile, AnUnparseableFileIsKeptAsideOnceBeforeTheNextWrite) {
    const QByteArray original = "[General]\ntheme=dark\nhalf a line\n";
    writeSettings(original);
    IniPreferenceStore store(path());
    EXPECT_EQ(store.string("theme"), "dark");  // what parses reads; reading changes nothing
    EXPECT_EQ(readFile(path()), original);
    EXPECT_FALSE(QFileInfo::exists(path() + ".corrupt"));

    store.set("textSize", "large");
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(store.setAsidePath(), path() + ".corrupt");
    EXPECT_EQ(readFile(path() + ".corrupt"), original);
    EXPECT_EQ(readFile(path()), "[General]\ntheme=dark\ntextSize=large\n");
    EXPECT_EQ(QFile::permissions(path() + ".corrupt") &
                  (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteOther),
              QFileDevice::Permissions());
    store.set("textSize", "small");  // the file is sound now: no second copy
    EXPECT_TRUE(store.flush());
    EXPECT_FALSE(QFileInfo::exists(path() + ".corrupt.1"));

    appendSettings("[broken\n");  // broken again while running
    store.set("textSize", "medium");
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(store.setAsidePath(), path() + ".corrupt.1");
    EXPECT_EQ(readFile(path() + ".corrupt.1"), "[General]\ntheme=dark\ntextSize=small\n[broken\n");
    EXPECT_EQ(readFile(path() + ".corrupt"), original);
}

TEST_F(SharedFile, WritersInSeveralProcessesLoseNothing) {
    writeSettings("[General]\n");
    constexpr int writers = 3;
    constexpr int keysEach = 25;
    std::vector<pid_t> children;
    for (int writer = 0; writer < writers; ++writer) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            {
                IniPreferenceStore store(path());
                for (int n = 0; n < keysEach; ++n) {
                    store.set(QStringLiteral("w%1k%2").arg(writer).arg(n), double(n));
                }
            }  // the store's writes finish as it goes
            _exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const IniPreferenceStore store(path());
    int missing = 0;
    for (int writer = 0; writer < writers; ++writer) {
        for (int n = 0; n < keysEach; ++n) {
            missing += store.object(QStringLiteral("w%1k%2").arg(writer).arg(n)) ? 0 : 1;
        }
    }
    EXPECT_EQ(missing, 0);
}

TEST_F(SharedFile, AnEditByHandIsHeardWhileWatching) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    writeSettings("[General]\ntheme=dark\n");
    IniPreferenceStore store(path());
    store.watchForOutsideChanges();
    int heard = 0;
    auto subscription = store.observe([&] { ++heard; });
    const auto waitToHear = [&](int count) {
        return runEventsUntil([&] { return heard >= count; });
    };

    appendSettings("showMenuBarIcon=false\n");  // written in place, as some editors do
    ASSERT_TRUE(waitToHear(1));
    EXPECT_EQ(store.boolean("showMenuBarIcon"), false);

    QFile::remove(path());  // how most editors save: a new file in place
    writeSettings("[General]\ntheme=light\n");
    ASSERT_TRUE(waitToHear(2));
    EXPECT_EQ(store.string("theme"), "light");

    appendSettings("textSize=small\n");  // in place again: the new file is watched too
    ASSERT_TRUE(waitToHear(3));
    EXPECT_EQ(store.string("textSize"), "small");

    store.set("textSize", "large");  // our own write is heard once, from the store itself
    EXPECT_EQ(heard, 4);
}

// An unchanged value neither waits for the lock nor takes it; a change is read at once and
// written in turn.
TEST_F(SharedFile, WhileAnotherHoldsTheLockAChangeIsReadAtOnceAndWrittenInTurn) {
    const QByteArray original = "[General]\nhadAccessibilityAccess=true\ntheme=dark\n";
    writeSettings(original);
    IniPreferenceStore store(path(), 1h);
    int heard = 0;
    auto subscription = store.observe([&] { ++heard; });
    for (int second = 0; second < 3; ++second) {
        store.set("hadAccessibilityAccess", true);
    }
    EXPECT_TRUE(store.flush());
    EXPECT_FALSE(QFileInfo::exists(path() + ".lock")) << "not even opened";

    LockHolder holder(path() + ".lock");
    ASSERT_TRUE(holder.locked());
    ASSERT_FALSE(FileLock(path() + ".lock", 0ms).held()) << "the holder's lock binds us too";
    auto unchanged = std::async(std::launch::async, [&] {
        store.set("hadAccessibilityAccess", true);
        return store.flush();
    });
    // Only a broken build waits here, and below: for the lock, which is released after this.
    EXPECT_TRUE(unchanged.wait_for(60s) == std::future_status::ready);
    auto changed = std::async(std::launch::async, [&] { store.set("theme", "light"); });
    EXPECT_TRUE(changed.wait_for(60s) == std::future_status::ready) << "waited for the lock";
    EXPECT_EQ(store.string("theme"), "light");
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(readFile(path()), original) << "written while locked";
    EXPECT_EQ(IniPreferenceStore(path()).string("theme"), "dark");

    holder.release();
    EXPECT_TRUE(unchanged.get());
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(readFile(path()), "[General]\nhadAccessibilityAccess=true\ntheme=light\n");
    EXPECT_EQ(IniPreferenceStore(path()).string("theme"), "light");
}

TEST_F(SharedFile, OnAFullDiskTheFileKeepsItsTextAndTheChangeWaitsForRoom) {
    inSmallTmpfs(64 * 1024, [this](const QString& folder) {
        root = folder;
        const QByteArray original = "; kept by hand\n[General]\ntheme=dark\ntextSize=large\n";
        writeSettings(original);
        IniPreferenceStore store(path());
        fillUp(folder);

        ::testing::internal::CaptureStderr();
        store.set("theme", "light");
        EXPECT_FALSE(store.flush());
        store.set("holdLevel", 3.0);
        EXPECT_FALSE(store.flush());
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(readFile(path()), original) << "byte for byte";
        EXPECT_TRUE(store.writeFailure().contains("No space left"))
            << store.writeFailure().toStdString();
        EXPECT_EQ(countOf(said, "settings not saved"), 1) << said;
        EXPECT_EQ(store.string("theme"), "light") << "the change lives on in memory";

        ASSERT_TRUE(QFile::remove(folder + "/filler"));
        EXPECT_TRUE(store.flush());
        EXPECT_EQ(readFile(path()),
                  "; kept by hand\n[General]\ntheme=light\ntextSize=large\nholdLevel=3\n");
        EXPECT_EQ(store.writeFailure(), "");
        EXPECT_EQ(QDir(folder + "/Holdsheet").entryList(QDir::Files | QDir::Hidden),
                  (QStringList{"Holdsheet.conf", "Holdsheet.conf.lock"}))
            << "no temporary file left behind";
    });
}

}  // namespace
}  // namespace holdsheet
