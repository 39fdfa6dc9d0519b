#include "platform/posix/QtScheduler.h"

#include <QMetaObject>
#include <QPointer>
#include <QTimer>

namespace holdsheet {

namespace {

class TimerDelay : public Scheduler::Delay, public std::enable_shared_from_this<TimerDelay> {
  public:
    TimerDelay(QObject* context, Scheduler::Wakeup wakeup)
        : context_(context), wakeup_(std::move(wakeup)) {}

    void start(std::chrono::milliseconds delay) {
        timer_ = new QTimer(context_);  // owned by the context; deleted when done
        timer_->setSingleShot(true);
        timer_->setTimerType(Qt::PreciseTimer);
        auto self = shared_from_this();
        QObject::connect(timer_, &QTimer::timeout, context_, [self] { self->wake(false); });
        timer_->start(delay);
    }

    void cancel() override {
        if (!context_) {
            return;
        }
        auto self = shared_from_this();
        QMetaObject::invokeMethod(
            context_, [self] { self->wake(true); }, Qt::QueuedConnection);
    }

  private:
    // Main thread only.
    void wake(bool cancelled) {
        if (!wakeup_) {
            return;
        }
        if (timer_) {
            timer_->stop();
            timer_->deleteLater();
        }
        auto wakeup = std::move(wakeup_);
        wakeup_ = nullptr;
        wakeup(cancelled);
    }

    QPointer<QObject> context_;
    QPointer<QTimer> timer_;
    Scheduler::Wakeup wakeup_;
};

}  // namespace

QtScheduler::QtScheduler() {
    worker_.setMaxThreadCount(1);
}

QtScheduler::~QtScheduler() {
    drained_ = true;
    worker_.clear();
    worker_.waitForDone();
}

bool QtScheduler::drain(std::chrono::milliseconds limit) {
    drained_ = true;
    worker_.clear();
    return worker_.waitForDone(static_cast<int>(limit.count()));
}

void QtScheduler::post(Task task) {
    QMetaObject::invokeMethod(&context_, std::move(task), Qt::QueuedConnection);
}

std::shared_ptr<Scheduler::Delay> QtScheduler::after(std::chrono::milliseconds delay,
                                                     Wakeup wakeup) {
    auto pending = std::make_shared<TimerDelay>(&context_, std::move(wakeup));
    if (QThread::currentThread() == context_.thread()) {
        pending->start(delay);
    } else {
        QMetaObject::invokeMethod(
            &context_, [pending, delay] { pending->start(delay); }, Qt::QueuedConnection);
    }
    return pending;
}

void QtScheduler::detach(Task task) {
    // A piece still running at the drain may hand over the next step of its work: dropped.
    if (!drained_) {
        worker_.start(std::move(task));
    }
}

}  // namespace holdsheet
