#pragma once

#include "platform/PreferenceStore.h"
#include "platform/posix/SettingsFile.h"
#include "platform/posix/WriterThread.h"

#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

class QFileSystemWatcher;

namespace holdsheet {

// Settings in an INI file (~/.config/Holdsheet/Holdsheet.conf). INI text carries no types,
// so values read back as the kinds the store knows: "true"/"false" as Booleans, decimal
// numbers as numbers, comma-separated values as lists, anything else as text; a single text
// asked for as a list is a list of one; other "@…" forms read as absent.
//
// The file is the user's and may be edited by hand, or by another process, while the program
// runs. So each write reads the file again, changes the one line of its key and leaves every
// other byte alone, and only when the key's value really changes. A file with lines that are
// no setting is copied aside as "<file>.corrupt" (".corrupt.1", ... after that: the first
// name nothing holds, not even a link) before such a write leaves them out; when no copy can
// be made, they stay in the file. Writers of several processes take turns through a lock file
// ("<file>.lock"). A file that is no regular file of at most 1 MiB is never opened
// for writing, nor read: the store then runs on defaults and keeps changes in memory.
//
// A change never holds up its caller: it is in memory at once, for every reader, and the
// file is written behind it by a thread of the store's own, which waits its turn at the lock.
// Storing a value the store holds already costs a look at the file's time stamp, no lock and
// no read. A write that fails (a full disk) leaves the file as it was, byte for byte; the
// change stays in memory and goes to the file with the next write; standard error hears of
// it once.
class IniPreferenceStore : public PreferenceStore {
  public:
    static QString defaultPath();
    // How long a write waits for another process to finish its own before it goes on without
    // the lock, which is what writers did before locks existed: a process that holds the lock
    // and hangs must not stop our writes for good.
    static constexpr std::chrono::milliseconds defaultLockPatience = std::chrono::seconds(2);

    explicit IniPreferenceStore(const QString& path = defaultPath(),
                                std::chrono::milliseconds lockPatience = defaultLockPatience);
    // Finishes the writes first.
    ~IniPreferenceStore() override;

    std::optional<QVariant> object(const QString& key) const override;
    void set(const QString& key, const QVariant& value) override;
    void remove(const QString& key) override;
    std::optional<QStringList> stringList(const QString& key) const override;

    // From now on, edits of the file by other processes (or by hand) notify the observers,
    // on the thread that called this, which must run a Qt event loop.
    void watchForOutsideChanges();

    // Waits until every change made so far is in the file, trying once more those whose
    // write failed; whether all are.
    bool flush();
    // Why the file could not be written the last time; empty after a write that worked.
    QString writeFailure() const;

    // Where the unparseable file was last kept, once it was.
    QString setAsidePath() const;

  private:
    struct Edit {
        QString key;
        std::optional<QVariant> value;  // none: removed
    };

    // Whether the values changed, read again from a file that changed.
    bool refresh() const;
    void load(const SettingsFile& file) const;
    void change(const QString& key, const std::optional<QVariant>& value);
    // On the writer thread: the edits not yet in the file go there.
    void writePending();
    // `file`'s text with `edits` made, or none when they change nothing.
    std::optional<QByteArray> edited(const SettingsFile& file, const std::vector<Edit>& edits);
    bool keepAside(const QByteArray& content);

    mutable std::mutex mutex_;
    const QString path_;
    const std::chrono::milliseconds lockPatience_;
    // The file's values, as read back, with the edits not yet written made over them.
    mutable std::map<QString, QVariant> values_;
    mutable std::optional<SettingsFile::Stamp> stamp_;  // of the file `values_` were read from
    mutable bool warned_ = false;
    std::vector<Edit> pending_;  // in the order made
    QString setAsidePath_;
    QString writeFailure_;
    QString copyFailure_;
    std::unique_ptr<QFileSystemWatcher> watcher_;
    WriterThread writer_;  // last: gone before what its runs use
};

}  // namespace holdsheet
