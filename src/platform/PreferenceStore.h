#pragma once

#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

namespace holdsheet {

// The program's stored settings: values of four kinds (Boolean, number as double, text,
// list of texts), read from any thread, written on the main thread. Observers hear of every
// change made through the store, the program's own included.
class PreferenceStore {
  public:
    class Subscription;
    using Observer = std::function<void()>;

    PreferenceStore();
    virtual ~PreferenceStore();
    PreferenceStore(const PreferenceStore&) = delete;
    PreferenceStore& operator=(const PreferenceStore&) = delete;

    // The stored value, or none when the key is absent.
    virtual std::optional<QVariant> object(const QString& key) const = 0;
    virtual void set(const QString& key, const QVariant& value) = 0;
    virtual void remove(const QString& key) = 0;

    // Typed reads in the platform's manner: a Boolean reads a stored Boolean or number
    // (absent: false); a text reads a text; a list reads a list of texts.
    bool boolean(const QString& key) const;
    std::optional<QString> string(const QString& key) const;
    virtual std::optional<QStringList> stringList(const QString& key) const;

    // Keeps calling `observer` after each change until the subscription is dropped.
    [[nodiscard]] Subscription observe(Observer observer);

  protected:
    void notifyChanged();

  private:
    struct Observers;
    std::shared_ptr<Observers> observers_;
};

class PreferenceStore::Subscription {
  public:
    Subscription() = default;
    Subscription(std::weak_ptr<Observers> observers, int id);
    Subscription(Subscription&& other) noexcept;
    Subscription& operator=(Subscription&& other) noexcept;
    ~Subscription();

  private:
    void reset();
    std::weak_ptr<Observers> observers_;
    int id_ = 0;
};

}  // namespace holdsheet
