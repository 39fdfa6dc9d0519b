#pragma once

#include "platform/PreferenceStore.h"

#include <QHash>

namespace holdsheet {

// The stored settings with some values decided on the command line instead.
class PreferenceOverrides : public PreferenceStore {
  public:
    explicit PreferenceOverrides(PreferenceStore& stored) : stored_(stored) {}

    void override(const QString& key, const QVariant& value) { overrides_.insert(key, value); }

    std::optional<QVariant> object(const QString& key) const override {
        auto found = overrides_.constFind(key);
        return found != overrides_.constEnd() ? std::optional<QVariant>(*found)
                                              : stored_.object(key);
    }
    void set(const QString& key, const QVariant& value) override { stored_.set(key, value); }
    void remove(const QString& key) override { stored_.remove(key); }

  private:
    PreferenceStore& stored_;
    QHash<QString, QVariant> overrides_;
};

}  // namespace holdsheet
