#pragma once

#include "platform/Scheduler.h"
#include "platform/freedesktop/DesktopEntries.h"

#include <QFileSystemWatcher>

#include <functional>
#include <memory>
#include <mutex>

namespace holdsheet {

// The launcher entries of the applications folders, read off the main thread at start and
// again a moment after the folders change, so that naming an application is a lookup.
class DesktopEntryIndex {
  public:
    // Changes come in bursts (a package installs many files): the folders are read again
    // once they have been quiet this long.
    static constexpr std::chrono::milliseconds quietTime{500};

    // Reads on `scheduler`'s background worker and publishes on its main thread.
    DesktopEntryIndex(Scheduler& scheduler, QStringList folders = applicationFolders(),
                      QStringList locales = messageLocales());
    ~DesktopEntryIndex();
    DesktopEntryIndex(const DesktopEntryIndex&) = delete;
    DesktopEntryIndex& operator=(const DesktopEntryIndex&) = delete;

    // The entries as last read; none before the first reading ends. Any thread.
    std::shared_ptr<const DesktopEntries> entries() const;
    // Called on the main thread whenever a reading has been published.
    void onRead(std::function<void()> read);
    // What the watcher calls: the folders are read again after the quiet time.
    void foldersChanged();

    // The XDG applications folders, the user's first.
    static QStringList applicationFolders();

  private:
    struct State;
    void watch();

    std::shared_ptr<State> state_;
    QFileSystemWatcher watcher_;
    std::shared_ptr<Scheduler::Delay> quiet_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);  // for the quiet-time wakeup
};

}  // namespace holdsheet
