#include "platform/linux/CachedCheck.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace holdsheet {

struct CachedCheck::State {
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<int> value;
    bool stop = false;
    bool again = false;
    bool exited = false;
};

CachedCheck::CachedCheck(std::function<int()> check, std::chrono::milliseconds period)
    : state_(std::make_shared<State>()) {
    // Detached, and owning what it uses: a check stuck in a call must not hold up the
    // program's exit, nor touch anything that went away meanwhile.
    std::thread([state = state_, check = std::move(check), period] {
        std::unique_lock lock(state->mutex);
        while (!state->stop) {
            lock.unlock();
            const int answer = check();
            lock.lock();
            state->value = answer;
            state->changed.notify_all();
            state->changed.wait_for(lock, period, [&] { return state->stop || state->again; });
            state->again = false;
        }
        state->exited = true;
        state->changed.notify_all();
    }).detach();
}

CachedCheck::~CachedCheck() {
    std::unique_lock lock(state_->mutex);
    state_->stop = true;
    state_->changed.notify_all();
    state_->changed.wait_for(lock, std::chrono::milliseconds(500),
                             [this] { return state_->exited; });
}

std::optional<int> CachedCheck::value(std::chrono::milliseconds limit) const {
    std::unique_lock lock(state_->mutex);
    state_->changed.wait_for(lock, limit, [this] { return state_->value.has_value(); });
    return state_->value;
}

void CachedCheck::refresh() {
    std::lock_guard lock(state_->mutex);
    state_->again = true;
    state_->changed.notify_all();
}

}  // namespace holdsheet
