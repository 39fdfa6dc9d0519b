#include "platform/posix/WriterThread.h"

namespace holdsheet {

WriterThread::WriterThread(std::function<void()> job) : job_(std::move(job)) {}

WriterThread::~WriterThread() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    asked_.notify_one();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void WriterThread::ask() {
    {
        std::lock_guard lock(mutex_);
        ++askedCount_;
        if (!thread_.joinable()) {
            thread_ = std::thread([this] { loop(); });
        }
    }
    asked_.notify_one();
}

void WriterThread::finish() {
    std::unique_lock lock(mutex_);
    const std::uint64_t wanted = askedCount_;
    done_.wait(lock, [&] { return doneCount_ >= wanted; });
}

void WriterThread::loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        asked_.wait(lock, [this] { return askedCount_ > doneCount_ || ending_; });
        if (askedCount_ == doneCount_) {
            return;  // ending, and nothing is left to run
        }
        const std::uint64_t serving = askedCount_;
        lock.unlock();
        job_();
        lock.lock();
        doneCount_ = serving;
        done_.notify_all();
    }
}

}  // namespace holdsheet
