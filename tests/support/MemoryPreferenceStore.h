#pragma once

#include "platform/PreferenceStore.h"

#include <QHash>

#include <mutex>

namespace holdsheet::testing {

// Settings held in memory, with change notifications like the real store.
class MemoryPreferenceStore : public PreferenceStore {
  public:
    std::optional<QVariant> object(const QString& key) const override {
        std::lock_guard lock(mutex_);
        auto found = values_.constFind(key);
        return found == values_.constEnd() ? std::nullopt : std::optional<QVariant>(*found);
    }
    void set(const QString& key, const QVariant& value) override {
        {
            std::lock_guard lock(mutex_);
            values_.insert(key, value);
        }
        notifyChanged();
    }
    void remove(const QString& key) override {
        {
            std::lock_guard lock(mutex_);
            values_.remove(key);
        }
        notifyChanged();
    }

    bool isEmpty() const {
        std::lock_guard lock(mutex_);
        return values_.isEmpty();
    }

  private:
    mutable std::mutex mutex_;
    QHash<QString, QVariant> values_;
};

}  // namespace holdsheet::testing
