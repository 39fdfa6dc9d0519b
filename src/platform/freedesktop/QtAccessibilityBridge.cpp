#include "platform/freedesktop/QtAccessibilityBridge.h"

#include "platform/freedesktop/DBusPipe.h"

#include <QAccessible>

#include <algorithm>
#include <thread>

namespace holdsheet {

namespace {

using Clock = std::chrono::steady_clock;

// Where Qt's bridge goes when the bus does not answer: connecting fails at once.
constexpr char nowhere[] = "unix:path=/dev/null";

int millisecondsLeft(Clock::time_point deadline) {
    const auto rest = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(1, rest.count()));
}

// Asked through connections of our own that wait for nothing longer than the deadline:
// QtDBus would wait 25 s for a stalled daemon, and cannot be used before the application
// object exists.
QByteArray accessibilityBusAddress(Clock::time_point deadline) {
    QByteArray address = qgetenv("AT_SPI_BUS_ADDRESS");
    const QByteArray session = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty() || session.isEmpty()) {
        return address;
    }
    const auto pipe = DBusPipe::open(session, true, millisecondsLeft(deadline));
    if (!pipe) {
        return {};
    }
    std::vector<DBusMessagePtr> calls;
    calls.emplace_back(dbus_message_new_method_call("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                                    "GetAddress"));
    if (!calls.front()) {
        return {};
    }
    // Not started for this: with no launcher running, Qt's bridge does not wait either.
    dbus_message_set_auto_start(calls.front().get(), FALSE);
    const auto replies = pipe->run(calls, millisecondsLeft(deadline));
    const char* text = nullptr;
    if (!replies.front().ok || !dbus_message_get_args(replies.front().message.get(), nullptr,
                                                      DBUS_TYPE_STRING, &text, DBUS_TYPE_INVALID)) {
        return {};
    }
    return QByteArray(text);
}

// An accessibility bus that is there but does not finish a handshake in time. No bus at all
// is not stalled: Qt's bridge then finds nothing to wait for.
bool busStalled(std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    const QByteArray address = accessibilityBusAddress(deadline);
    if (address.isEmpty()) {
        return false;
    }
    const auto pipe = DBusPipe::connect(address);
    return pipe && !pipe->hello(millisecondsLeft(deadline));
}

}  // namespace

QtAccessibilityBridge::QtAccessibilityBridge(std::chrono::milliseconds limit) : limit_(limit) {
    std::promise<bool> answer;
    stalled_ = answer.get_future();
    // Detached: a check stuck in connect() (a stalled daemon whose queue is full) must not
    // hold up the program's exit.
    std::thread([answer = std::move(answer), limit]() mutable {
        answer.set_value(busStalled(limit));
    }).detach();
}

QtAccessibilityBridge::~QtAccessibilityBridge() {
    restoreEnvironment();
}

void QtAccessibilityBridge::beforeApplication() {
    // The check keeps its own deadline; this one guards against a connect() that blocks.
    const bool answered = stalled_.valid() &&
                          stalled_.wait_for(limit_ * 2) == std::future_status::ready &&
                          !stalled_.get();
    if (answered) {
        return;
    }
    keptOff_ = true;
    if (qEnvironmentVariableIsSet("AT_SPI_BUS_ADDRESS")) {
        savedAddress_ = qgetenv("AT_SPI_BUS_ADDRESS");
    }
    // Qt's bridge reads this first and then looks nowhere else.
    qputenv("AT_SPI_BUS_ADDRESS", nowhere);
}

void QtAccessibilityBridge::afterApplication() {
    if (keptOff_) {
        // The bridge starts on its first use and reads the address then.
        QAccessible::isActive();
    }
    restoreEnvironment();
}

void QtAccessibilityBridge::restoreEnvironment() {
    if (!keptOff_ || environmentRestored_) {
        return;
    }
    environmentRestored_ = true;
    if (savedAddress_) {
        qputenv("AT_SPI_BUS_ADDRESS", *savedAddress_);
    } else {
        qunsetenv("AT_SPI_BUS_ADDRESS");
    }
}

}  // namespace holdsheet
