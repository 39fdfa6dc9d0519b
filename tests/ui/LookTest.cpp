#include "ui/PanelBackground.h"
#include "ui/SheetSymbols.h"

#include <QIcon>
#include <QPalette>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using Look = PanelBackground::Look;

// Clear glass from 0.85 on; frosted is the thinner material above 0.5.
TEST(PanelBackgroundTest, TintOpacityRisesAgainAboveTheClearGlassThreshold) {
    const std::tuple<double, double, bool, bool> table[] = {
        {0.0, 0.95, false, false},   {0.3, 0.665, false, false}, {0.5, 0.475, false, false},
        {0.65, 0.3325, false, true}, {0.84, 0.152, false, true}, {0.85, 0.14, true, true},
        {1.0, 0.26, true, true}};
    for (const auto& [amount, opacity, clear, thin] : table) {
        EXPECT_NEAR(PanelBackground::tintOpacity(amount), opacity, 1e-9) << amount;
        const PanelBackground glass(PanelMaterial::liquidGlass, amount, false, 32);
        EXPECT_EQ(glass.clearGlass(), clear) << amount;
        EXPECT_EQ(PanelBackground(PanelMaterial::frosted, amount, false, 32).thinMaterial(), thin)
            << amount;
    }
}

TEST(PanelBackgroundTest, LiquidGlassFallsBackToFrostedHere) {
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::black);
    for (bool dark : {false, true}) {
        const PanelBackground glass(PanelMaterial::liquidGlass, 0.65, dark, 32);
        EXPECT_EQ(glass.look(), Look::frosted);
        EXPECT_TRUE(glass.thinMaterial());
        EXPECT_EQ(glass.tint().rgb(), dark ? QColor(Qt::black).rgb() : QColor(Qt::white).rgb());
        EXPECT_NEAR(glass.tint().alphaF(), 0.3325, 1e-3);
        EXPECT_EQ(glass.border(palette).rgb(), QColor(Qt::white).rgb());
        EXPECT_NEAR(glass.border(palette).alphaF(), dark ? 0.14 : 0.45, 1e-3);
        EXPECT_DOUBLE_EQ(glass.borderWidth(), 0.6);
    }
}

TEST(PanelBackgroundTest, SolidHasNoTintAndTheSameFaintBorderForEveryAmount) {
    QPalette palette;
    palette.setColor(QPalette::WindowText, QColor(20, 30, 40));
    for (double amount : {0.0, 0.5, 1.0}) {
        const PanelBackground solid(PanelMaterial::solid, amount, false, 32);
        EXPECT_EQ(solid.look(), Look::solid);
        EXPECT_FALSE(solid.tint().isValid());
        EXPECT_EQ(solid.border(palette).rgb(), QColor(20, 30, 40).rgb());
        EXPECT_NEAR(solid.border(palette).alphaF(), 0.12, 1e-3);
        EXPECT_DOUBLE_EQ(solid.borderWidth(), 0.5);
    }
}

// Every symbol the footer and its menus show: the desktop's icon under a freedesktop name,
// else a drawing of the program's own, so none is ever blank.
const char* const symbols[] = {"square.and.arrow.up", "gearshape", "printer",
                               "arrow.down.doc",      "power",     "envelope",
                               "doc.on.doc",          "folder"};

int coveredPixels(const QImage& image) {
    int covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            covered += image.pixelColor(x, y).alpha() > 0 ? 1 : 0;
        }
    }
    return covered;
}

TEST(SheetSymbols, EveryMenuSymbolHasThemeNamesAndADrawingOfItsOwn) {
    const QString theme = QIcon::themeName();
    QIcon::setThemeName(QStringLiteral("no-such-theme"));  // the drawings alone
    for (const char* symbol : symbols) {
        SCOPED_TRACE(symbol);
        EXPECT_FALSE(themeNamesOfSymbol(symbol).isEmpty());
        EXPECT_TRUE(QSvgRenderer(QStringLiteral(":/symbols/%1.svg").arg(symbol)).isValid());
        const QImage drawn = symbolIcon(symbol, 16, Qt::black).pixmap(16).toImage();
        const int covered = coveredPixels(drawn);
        EXPECT_GT(covered, 16) << "blank";
        EXPECT_LT(covered, 16 * 16) << "a filled square";
    }
    QIcon::setThemeName(theme);
}

}  // namespace
}  // namespace holdsheet
