#include "E2eSupport.h"

#include "platform/x11/XTestKeyPoster.h"

#include <gtest/gtest.h>

namespace holdsheet::e2e {
namespace {

// A posted combination reaches the application in front with exactly its modifiers.
TEST(KeyPoster, PostsTheStoredCombinationToTheAppInFront) {
    RunningApp app(Toolkit::gtk, {{0, "menu", "_File", "", ""},
                                  {1, "item", "_Open", "<Primary>o", "Ctrl+O"},
                                  {1, "item", "Open _Other", "<Primary><Shift>o", "Ctrl+Shift+O"}});
    ASSERT_TRUE(app.waitUntilReadable() && app.inFront());
    XTestKeyPoster poster;
    poster.postKeys(31, 0x40000 | 0x20000);  // o with Control and Shift
    EXPECT_TRUE(waitUntil([&] { return !app.recorded().empty(); }));
    poster.postKeys(31, 0x40000);
    EXPECT_TRUE(waitUntil([&] { return app.recorded().size() == 2; }));
    EXPECT_EQ(app.recorded(), (std::vector<std::string>{"Open _Other", "_Open"}));
}

}  // namespace
}  // namespace holdsheet::e2e
