#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace holdsheet {

// A thread of its own that runs one job whenever asked, so that the asker never waits for
// the disk or for another process. Runs never overlap; asks that come while a run waits
// to start are served by that one run. The thread starts with the first ask.
class WriterThread {
  public:
    explicit WriterThread(std::function<void()> job);
    // Finishes the runs asked for, then ends the thread.
    ~WriterThread();
    WriterThread(const WriterThread&) = delete;
    WriterThread& operator=(const WriterThread&) = delete;

    // A run that starts after this call.
    void ask();
    // Waits until every run asked for before this call has finished. Not from the job.
    void finish();

  private:
    void loop();

    const std::function<void()> job_;
    std::mutex mutex_;
    std::condition_variable asked_;
    std::condition_variable done_;
    std::uint64_t askedCount_ = 0;
    std::uint64_t doneCount_ = 0;  // the asks the finished runs served
    bool ending_ = false;
    std::thread thread_;
};

}  // namespace holdsheet
