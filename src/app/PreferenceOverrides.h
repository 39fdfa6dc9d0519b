#pragma once

#include "platform/PreferenceStore.h"

#include <QHash>

namespace holdsheet {

// The stored settings with some values decided on the command line instead: what is
// written to overrides() is read in place of the stored value and never saved.
class PreferenceOverrides : public PreferenceStore {
  public:
    explicit PreferenceOverrides(PreferenceStore& stored) : stored_(stored) {}

    PreferenceStore& overrides() { return overrides_; }

    std::optional<QVariant> object(const QString& key) const override {
        if (auto value = overrides_.object(key)) {
            return value;
        }
        return stored_.object(key);
    }
    void set(const QString& key, const QVariant& value) override { stored_.set(key, value); }
    void remove(const QString& key) override { stored_.remove(key); }

  private:
    class Layer : public PreferenceStore {
      public:
        std::optional<QVariant> object(const QString& key) const override {
            auto found = values_.constFind(key);
            return found != values_.constEnd() ? std::optional<QVariant>(*found) : std::nullopt;
        }
        void set(const QString& key, const QVariant& value) override { values_.insert(key, value); }
        void remove(const QString& key) override { values_.remove(key); }

      private:
        QHash<QString, QVariant> values_;
    };

    PreferenceStore& stored_;
    Layer overrides_;
};

}  // namespace holdsheet
