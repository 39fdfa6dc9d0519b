#include "platform/freedesktop/AtspiActiveWindow.h"

#include "platform/freedesktop/AtspiBus.h"

namespace holdsheet {

namespace {

const QString accessible = QStringLiteral("org.a11y.atspi.Accessible");
constexpr quint64 stateActive = quint64{1} << 1;

}  // namespace

std::optional<pid_t> accessibleActiveProcess(pid_t except, int timeoutMs) {
    const QByteArray address = AtspiBus::currentAddress();
    auto pipe = address.isEmpty() ? nullptr : DBusPipe::open(address, true, timeoutMs);
    if (!pipe) {
        return std::nullopt;
    }
    const auto bus = AtspiBus::adopt(std::move(pipe), address);
    const auto listed = bus->run({{QStringLiteral("org.a11y.atspi.Registry"),
                                   QStringLiteral("/org/a11y/atspi/accessible/root"),
                                   accessible,
                                   QStringLiteral("GetChildren"),
                                   {}}},
                                 timeoutMs);
    std::vector<AtspiBus::Call> windowCalls;
    for (const auto& [name, path] : AtspiBus::references(listed.front())) {
        windowCalls.push_back({name, path, accessible, QStringLiteral("GetChildren"), {}});
    }
    std::vector<AtspiBus::Call> stateCalls;
    for (const auto& reply : bus->run(windowCalls, timeoutMs)) {
        for (const auto& [name, path] : AtspiBus::references(reply)) {
            stateCalls.push_back({name, path, accessible, QStringLiteral("GetState"), {}});
        }
    }
    const auto states = bus->run(stateCalls, timeoutMs);
    std::vector<AtspiBus::Call> pidCalls;
    for (std::size_t i = 0; i < states.size(); ++i) {
        if (AtspiBus::stateValue(states[i]).value_or(0) & stateActive) {
            pidCalls.push_back({QStringLiteral("org.freedesktop.DBus"),
                                QStringLiteral("/org/freedesktop/DBus"),
                                QStringLiteral("org.freedesktop.DBus"),
                                QStringLiteral("GetConnectionUnixProcessID"),
                                {stateCalls[i].service}});
        }
    }
    for (const auto& reply : bus->run(pidCalls, timeoutMs)) {
        const auto pid = AtspiBus::unsignedValue(reply);
        if (pid && static_cast<pid_t>(*pid) != except) {
            return static_cast<pid_t>(*pid);
        }
    }
    return std::nullopt;
}

}  // namespace holdsheet
