#include "platform/freedesktop/AccessibilitySwitch.h"
#include "platform/freedesktop/BusLink.h"
#include "platform/freedesktop/PeerAddress.h"

#include <QDBusVariant>

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

TEST(PeerAddress, OnlyLocalSocketsAreOpenedAndExactlyAsChecked) {
    const std::pair<const char*, const char*> opened[] = {
        // What applications send, kept as it is.
        {"unix:path=/run/user/1000/at-spi/dbus-AbC123,guid=0123456789abcdef0123456789ABCDEF",
         "unix:path=/run/user/1000/at-spi/dbus-AbC123,guid=0123456789abcdef0123456789ABCDEF"},
        {"unix:abstract=/tmp/dbus-x1y2", "unix:abstract=/tmp/dbus-x1y2"},
        {"unix:path=/a;unix:abstract=b", "unix:path=/a;unix:abstract=b"},
        // Escapes are undone and redone: the connection sees the same bytes.
        {"unix:path=/tmp/with%20space", "unix:path=/tmp/with%20space"},
        {"unix:path=%2ftmp%2Fs", "unix:path=/tmp/s"},
    };
    for (const auto& [given, expected] : opened) {
        EXPECT_EQ(peerSocketAddress(given).value_or("refused"), QByteArray(expected)) << given;
    }
    const QByteArray refused[] = {
        // Anything that connects elsewhere than a local socket, runs or starts something.
        "unixexec:path=/bin/sh,argv1=-c,argv2=touch%20/tmp/x", "tcp:host=127.0.0.1,port=4000",
        "nonce-tcp:host=localhost,port=4000,noncefile=/tmp/n", "autolaunch:", "launchd:env=X",
        "systemd:", "unix:runtime=yes", "unix:dir=/tmp", "unix:tmpdir=/tmp",
        // One bad entry refuses all: libdbus would try it when the first fails.
        "unix:path=/nonexistent;unixexec:path=/bin/sh", "unix:path=/a;", ";unix:path=/a",
        // Malformed socket entries.
        "unix:path=relative/socket", "unix:path=", "unix:", "unix", "", "unix:path=/a,abstract=b",
        "unix:path=/a,path=/b", "unix:path=/a,exec=/bin/sh", "unix:path=/a,guid=xyz",
        "unix:path=/a b", "unix:path=/a%2", "unix:path=/a%zz", "unix:path=/a%00b", "unix:=/a",
        "UNIX:path=/a", "unix:path=/" + QByteArray(2000, 'a')};
    for (const QByteArray& given : refused) {
        const auto opened = peerSocketAddress(given);
        EXPECT_FALSE(opened) << given.left(60).toStdString() << " -> "
                             << opened.value_or("").toStdString();
    }
}

TEST(AccessibilityFlags, FollowEachAnnouncedFlagAndAskAgainForAnInvalidatedOne) {
    const auto wrapped = [](bool on) { return QVariant::fromValue(QDBusVariant(on)); };
    const struct {
        const char* what;
        AccessibilityFlags before;
        QVariantMap values;
        QStringList invalidated;
        bool on;
        bool complete;
    } cases[] = {
        {"switched on", {}, {{"IsEnabled", true}}, {}, true, true},
        {"as a variant", {}, {{"IsEnabled", wrapped(true)}}, {}, true, true},
        {"switched off", {true, false}, {{"IsEnabled", wrapped(false)}}, {}, false, true},
        {"a screen reader alone", {}, {{"ScreenReaderEnabled", true}}, {}, true, true},
        {"off while a screen reader runs", {true, true}, {{"IsEnabled", false}}, {}, true, true},
        {"both at once",
         {true, true},
         {{"IsEnabled", false}, {"ScreenReaderEnabled", wrapped(false)}},
         {},
         false,
         true},
        {"another property", {true, false}, {{"Other", false}}, {"Other"}, true, true},
        {"invalidated", {true, false}, {}, {"IsEnabled"}, true, false},
        {"screen reader invalidated", {}, {}, {"ScreenReaderEnabled"}, false, false},
    };
    for (const auto& c : cases) {
        AccessibilityFlags flags = c.before;
        EXPECT_EQ(flags.apply(c.values, c.invalidated), c.complete) << c.what;
        EXPECT_EQ(flags.on(), c.on) << c.what;
    }
}

}  // namespace
}  // namespace holdsheet
