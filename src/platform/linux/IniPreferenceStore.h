#pragma once

#include "platform/PreferenceStore.h"
#include "platform/linux/SettingsFile.h"

#include <map>
#include <memory>
#include <mutex>

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
// no setting is copied aside as "<file>.corrupt" (".corrupt.1", ... after that) before such a
// write leaves them out. Writers of several processes take turns through a lock file
// ("<file>.lock"). A file that is no regular file of at most 1 MiB is never opened
// for writing, nor read: the store then runs on defaults and keeps changes in memory.
class IniPreferenceStore : public PreferenceStore {
  public:
    static QString defaultPath();

    explicit IniPreferenceStore(const QString& path = defaultPath());
    ~IniPreferenceStore() override;

    std::optional<QVariant> object(const QString& key) const override;
    void set(const QString& key, const QVariant& value) override;
    void remove(const QString& key) override;
    std::optional<QStringList> stringList(const QString& key) const override;

    // From now on, edits of the file by other processes (or by hand) notify the observers,
    // on the thread that called this, which must run a Qt event loop.
    void watchForOutsideChanges();

    // Where the unparseable file was last kept, once it was.
    QString setAsidePath() const;

  private:
    void refresh() const;
    void load(const SettingsFile& file) const;
    // Whether the values changed, by this write or by another process since the last read.
    bool write(const QString& key, const std::optional<QVariant>& value);
    bool keepAside(const QByteArray& content);

    mutable std::mutex mutex_;
    const QString path_;
    mutable std::map<QString, QVariant> values_;
    mutable std::optional<SettingsFile::Stamp> stamp_;
    mutable bool warned_ = false;
    QString setAsidePath_;
    std::unique_ptr<QFileSystemWatcher> watcher_;
};

}  // namespace holdsheet
