#pragma once

#include "platform/PreferenceStore.h"

#include <QSettings>

#include <memory>
#include <mutex>

namespace holdsheet {

// Settings in an INI file (~/.config/Holdsheet/Holdsheet.conf). INI text carries no types,
// so values read back as the kinds the store knows: "true"/"false" as Booleans, decimal
// numbers as numbers, comma-separated values as lists, anything else as text; a single text
// asked for as a list is a list of one. The file is the user's and may be edited by hand: one
// that does not parse is copied aside as "<file>.corrupt" before the first write, because
// writing keeps only what could be parsed.
class IniPreferenceStore : public PreferenceStore {
  public:
    static QString defaultPath();

    explicit IniPreferenceStore(const QString& path = defaultPath());
    ~IniPreferenceStore() override;

    std::optional<QVariant> object(const QString& key) const override;
    void set(const QString& key, const QVariant& value) override;
    void remove(const QString& key) override;
    std::optional<QStringList> stringList(const QString& key) const override;

    // Where the unparseable file was kept, once it was.
    QString setAsidePath() const;

  private:
    bool prepareWrite();

    mutable std::mutex mutex_;
    const QString path_;
    std::unique_ptr<QSettings> settings_;
    bool mustSetAside_ = false;
    QString setAsidePath_;
};

}  // namespace holdsheet
