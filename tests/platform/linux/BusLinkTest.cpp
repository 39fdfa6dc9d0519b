#include "platform/linux/BusLink.h"

#include <gtest/gtest.h>

#include <functional>

namespace holdsheet {
namespace {

// A bus daemon that can restart at a new address, stop answering or hang up.
struct Daemon {
    QByteArray address = "unix:path=/run/a11y,guid=1";
    bool listening = true;
    bool answering = true;  // finishes handshakes
    bool hangsUp = false;   // closes connections still in their handshake
    int dials = 0;
};

struct FakeBus {
    QByteArray address;
    int dial = 0;  // which connection it came from
    bool healthy = true;
};

struct FakePending {
    int dial = 0;
};

struct FakeDialer {
    using Bus = FakeBus;
    using Pending = FakePending;
    Daemon* daemon;

    QByteArray address() { return daemon->address; }
    std::unique_ptr<FakePending> connect(const QByteArray&) {
        if (!daemon->listening) {
            return nullptr;
        }
        return std::make_unique<FakePending>(FakePending{++daemon->dials});
    }
    bool handshake(FakePending&) { return daemon->answering && !daemon->hangsUp; }
    bool broken(FakePending&) { return daemon->hangsUp; }
    std::shared_ptr<FakeBus> adopt(std::unique_ptr<FakePending> pending,
                                   const QByteArray& address) {
        return std::make_shared<FakeBus>(FakeBus{address, pending->dial});
    }
    bool healthy(FakeBus& bus) { return bus.healthy; }
};

class BusLinkTest : public ::testing::Test {
  protected:
    Daemon daemon;
    BusLink<FakeDialer> link{FakeDialer{&daemon}};
};

TEST_F(BusLinkTest, KeepsAHealthyConnection) {
    const auto first = link.current();
    ASSERT_TRUE(first);
    EXPECT_EQ(link.current(), first);
    EXPECT_EQ(daemon.dials, 1);
}

// A restarted daemon: a new address (its guid changes even on the same path), or the old
// connection hung up or stalled while the address stayed.
TEST_F(BusLinkTest, ANewOrBrokenBusIsReplacedOnTheNextUse) {
    const struct {
        const char* name;
        std::function<void(Daemon&, FakeBus&)> restart;
    } cases[] = {
        {"new address", [](Daemon& d, FakeBus&) { d.address = "unix:path=/run/a11y,guid=2"; }},
        {"hung up or stalled", [](Daemon&, FakeBus& bus) { bus.healthy = false; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Daemon fresh;
        BusLink<FakeDialer> restarting{FakeDialer{&fresh}};
        const auto old = restarting.current();
        ASSERT_TRUE(old);
        c.restart(fresh, *old);
        const auto now = restarting.current();
        ASSERT_TRUE(now);
        EXPECT_NE(now, old);
        EXPECT_EQ(now->address, fresh.address);
        EXPECT_EQ(restarting.current(), now) << "and kept from then on";
        EXPECT_EQ(fresh.dials, 2);
    }
}

TEST_F(BusLinkTest, AStalledHandshakeIsWaitedForAgainNotDialledAgain) {
    daemon.answering = false;
    for (int attempt = 0; attempt < 5; ++attempt) {
        EXPECT_FALSE(link.current());
    }
    daemon.answering = true;
    const auto bus = link.current();
    ASSERT_TRUE(bus);
    EXPECT_EQ(bus->dial, 1) << "the first connection, answered at last";
    EXPECT_EQ(daemon.dials, 1);
}

TEST_F(BusLinkTest, AStalledBusIsLeftForOneThatAnswers) {
    const auto stalled = link.current();
    ASSERT_TRUE(stalled);
    stalled->healthy = false;
    daemon.answering = false;
    EXPECT_FALSE(link.current()) << "not the bus that does not answer";
    daemon.address = "unix:path=/run/a11y,guid=2";
    daemon.answering = true;
    const auto restarted = link.current();
    ASSERT_TRUE(restarted);
    EXPECT_EQ(restarted->address, daemon.address);
    EXPECT_EQ(daemon.dials, 3) << "the handshake to the old address was dropped";
}

TEST_F(BusLinkTest, AHandshakeTheDaemonHungUpOnIsDialledAgain) {
    daemon.hangsUp = true;
    EXPECT_FALSE(link.current());
    daemon.hangsUp = false;
    const auto bus = link.current();
    ASSERT_TRUE(bus);
    EXPECT_EQ(bus->dial, 2);
}

TEST_F(BusLinkTest, WithNoAddressKnownOnlyAHealthyBusServes) {
    daemon.listening = false;
    EXPECT_FALSE(link.current());
    daemon.listening = true;
    const auto bus = link.current();
    ASSERT_TRUE(bus);
    daemon.address.clear();
    EXPECT_EQ(link.current(), bus);
    bus->healthy = false;
    EXPECT_FALSE(link.current());
}

}  // namespace
}  // namespace holdsheet
