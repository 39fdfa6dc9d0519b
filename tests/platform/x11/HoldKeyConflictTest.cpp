#include "platform/x11/HoldKeyConflict.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

TEST(HoldKeyConflict, WarnsOnlyOnGnomeWhenItsOverlayKeyIsSuper) {
    struct Case {
        HoldKey holdKey;
        Desktop desktop;
        std::optional<QStringList> overlayKey;
        bool warns;
    };
    const Case cases[] = {
        {HoldKey::super, Desktop::gnome, QStringList{"Super_L"}, true},
        {HoldKey::super, Desktop::gnome, QStringList{"Super_R"}, true},
        {HoldKey::super, Desktop::openbox, QStringList{"Super_L"}, false},  // schema left over
        {HoldKey::super, Desktop::none, QStringList{"Super_L"}, false},
        {HoldKey::super, Desktop::kde, QStringList{"Super_L"}, false},
        {HoldKey::alt, Desktop::gnome, QStringList{"Super_L"}, false},
        {HoldKey::super, Desktop::gnome, QStringList{"Alt_R"}, false},
        {HoldKey::super, Desktop::gnome, QStringList{}, false},
        {HoldKey::super, Desktop::gnome, std::nullopt, false},
    };
    for (const auto& c : cases) {
        const QString warning =
            desktopSuperKeyWarning(c.holdKey, "/home/u/Holdsheet.conf", c.desktop, c.overlayKey);
        EXPECT_EQ(!warning.isEmpty(), c.warns) << static_cast<int>(c.desktop);
        if (c.warns) {
            EXPECT_TRUE(warning.contains(c.overlayKey->front()) &&
                        warning.contains("holdKey=control") &&
                        warning.contains("/home/u/Holdsheet.conf"))
                << warning.toStdString();
        }
    }
}

}  // namespace
}  // namespace holdsheet
