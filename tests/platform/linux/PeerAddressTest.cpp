#include "platform/linux/PeerAddress.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

TEST(PeerAddress, OnlyLocalSocketsAreOpenedAndExactlyAsChecked) {
    struct Case {
        const char* given;
        const char* opened;  // null: refused
    };
    const Case cases[] = {
        // What applications send, kept as it is.
        {"unix:path=/run/user/1000/at-spi/dbus-AbC123,guid=0123456789abcdef0123456789ABCDEF",
         "unix:path=/run/user/1000/at-spi/dbus-AbC123,guid=0123456789abcdef0123456789ABCDEF"},
        {"unix:abstract=/tmp/dbus-x1y2", "unix:abstract=/tmp/dbus-x1y2"},
        {"unix:path=/a;unix:abstract=b", "unix:path=/a;unix:abstract=b"},
        // Escapes are undone and redone: the connection sees the same bytes.
        {"unix:path=/tmp/with%20space", "unix:path=/tmp/with%20space"},
        {"unix:path=%2ftmp%2Fs", "unix:path=/tmp/s"},
        // Anything that connects elsewhere than a local socket, runs or starts something.
        {"unixexec:path=/bin/sh,argv1=-c,argv2=touch%20/tmp/x", nullptr},
        {"tcp:host=127.0.0.1,port=4000", nullptr},
        {"nonce-tcp:host=localhost,port=4000,noncefile=/tmp/n", nullptr},
        {"autolaunch:", nullptr},
        {"launchd:env=X", nullptr},
        {"systemd:", nullptr},
        {"unix:runtime=yes", nullptr},
        {"unix:dir=/tmp", nullptr},
        {"unix:tmpdir=/tmp", nullptr},
        // One bad entry refuses all: libdbus would try it when the first fails.
        {"unix:path=/nonexistent;unixexec:path=/bin/sh", nullptr},
        {"unix:path=/a;", nullptr},
        {";unix:path=/a", nullptr},
        // Malformed socket entries.
        {"unix:path=relative/socket", nullptr},
        {"unix:path=", nullptr},
        {"unix:", nullptr},
        {"unix", nullptr},
        {"", nullptr},
        {"unix:path=/a,abstract=b", nullptr},
        {"unix:path=/a,path=/b", nullptr},
        {"unix:path=/a,exec=/bin/sh", nullptr},
        {"unix:path=/a,guid=xyz", nullptr},
        {"unix:path=/a b", nullptr},
        {"unix:path=/a%2", nullptr},
        {"unix:path=/a%zz", nullptr},
        {"unix:path=/a%00b", nullptr},
        {"unix:=/a", nullptr},
        {"UNIX:path=/a", nullptr},
    };
    for (const auto& c : cases) {
        const auto opened = peerSocketAddress(c.given);
        if (c.opened) {
            ASSERT_TRUE(opened) << c.given;
            EXPECT_EQ(*opened, QByteArray(c.opened)) << c.given;
        } else {
            EXPECT_FALSE(opened) << c.given << " -> " << opened.value_or("").toStdString();
        }
    }
    EXPECT_FALSE(peerSocketAddress("unix:path=/" + QByteArray(2000, 'a'))) << "overlong";
}

}  // namespace
}  // namespace holdsheet
