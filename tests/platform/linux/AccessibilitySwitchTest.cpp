#include "platform/linux/AccessibilitySwitch.h"

#include <QDBusVariant>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

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
