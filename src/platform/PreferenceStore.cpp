#include "platform/PreferenceStore.h"

#include <map>
#include <mutex>

namespace holdsheet {

struct PreferenceStore::Observers {
    std::mutex mutex;
    int nextId = 1;
    std::map<int, Observer> observers;
};

PreferenceStore::PreferenceStore() : observers_(std::make_shared<Observers>()) {}
PreferenceStore::~PreferenceStore() = default;

bool PreferenceStore::boolean(const QString& key) const {
    const auto value = object(key);
    if (!value) {
        return false;
    }
    if (value->metaType() == QMetaType::fromType<bool>()) {
        return value->toBool();
    }
    if (value->metaType() == QMetaType::fromType<double>()) {
        return value->toDouble() != 0.0;
    }
    return false;
}

std::optional<QString> PreferenceStore::string(const QString& key) const {
    const auto value = object(key);
    if (!value || value->metaType() != QMetaType::fromType<QString>()) {
        return std::nullopt;
    }
    return value->toString();
}

std::optional<QStringList> PreferenceStore::stringList(const QString& key) const {
    const auto value = object(key);
    if (!value || value->metaType() != QMetaType::fromType<QStringList>()) {
        return std::nullopt;
    }
    return value->toStringList();
}

PreferenceStore::Subscription PreferenceStore::observe(Observer observer) {
    std::lock_guard lock(observers_->mutex);
    const int id = observers_->nextId++;
    observers_->observers.emplace(id, std::move(observer));
    return Subscription(observers_, id);
}

void PreferenceStore::notifyChanged() {
    std::vector<Observer> toCall;
    {
        std::lock_guard lock(observers_->mutex);
        for (const auto& [id, observer] : observers_->observers) {
            toCall.push_back(observer);
        }
    }
    // Called outside the lock: an observer may read the store or drop its subscription.
    for (const auto& observer : toCall) {
        observer();
    }
}

PreferenceStore::Subscription::Subscription(std::weak_ptr<Observers> observers, int id)
    : observers_(std::move(observers)), id_(id) {}

PreferenceStore::Subscription::Subscription(Subscription&& other) noexcept
    : observers_(std::move(other.observers_)), id_(other.id_) {
    other.id_ = 0;
}

PreferenceStore::Subscription& PreferenceStore::Subscription::operator=(
    Subscription&& other) noexcept {
    if (this != &other) {
        reset();
        observers_ = std::move(other.observers_);
        id_ = other.id_;
        other.id_ = 0;
    }
    return *this;
}

PreferenceStore::Subscription::~Subscription() {
    reset();
}

void PreferenceStore::Subscription::reset() {
    if (auto observers = observers_.lock(); observers && id_ != 0) {
        std::lock_guard lock(observers->mutex);
        observers->observers.erase(id_);
    }
    id_ = 0;
}

}  // namespace holdsheet
