#include "settings/AboutSettings.h"

#include "brand/BrandMark.h"
#include "settings/LinkButton.h"
#include "settings/SettingsHarness.h"
#include "settings/VersionText.h"
#include "ui/SheetLabel.h"

#include <QTest>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using testing::SettingsHarness;

TEST(VersionText, TheBuildsVersionAndNumberWithStandInsForWhatItLacks) {
    const std::pair<VersionInfo, const char*> table[] = {
        {{}, "1.0 (1)"},
        {{"2.3", "45", {}}, "2.3 (45)"},
        {{"0.1.0", " ", {}}, "0.1.0 (1)"},
        {{"", "a1b2c3d", {}}, "1.0 (a1b2c3d)"},
    };
    for (const auto& [version, text] : table) {
        EXPECT_EQ(versionText(version), text);
    }
}

TEST(About, ShowsTheVersionAndOpensTheHomePageWhereThereIsOne) {
    SettingsHarness platform;
    AboutSettings about(platform.services({"2.3", "45", "https://holdsheet.org/"}));
    about.show();
    EXPECT_EQ(about.version()->text(), "Version 2.3 (45)");
    ASSERT_NE(about.homePage(), nullptr);
    EXPECT_EQ(about.homePage()->text(), "holdsheet.org");
    QTest::mouseClick(about.homePage(), Qt::LeftButton);
    EXPECT_EQ(platform.runner.log, std::vector<std::string>{"open https://holdsheet.org/"});
    EXPECT_TRUE(about.mark()->hasDrawing());

    AboutSettings bare(platform.services());
    EXPECT_EQ(bare.version()->text(), "Version 1.0 (1)");
    EXPECT_EQ(bare.homePage(), nullptr);
}

TEST(BrandMark, AMissingDrawingLeavesItsSquareEmpty) {
    BrandMark mark(104, QStringLiteral(":/brand/Missing.svg"));
    EXPECT_FALSE(mark.hasDrawing());
    EXPECT_EQ(mark.size(), QSize(104, 104));
    EXPECT_FALSE(mark.grab().isNull()) << "drawn without it";
}

}  // namespace
}  // namespace holdsheet
