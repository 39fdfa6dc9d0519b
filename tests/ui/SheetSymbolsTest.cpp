#include "ui/SheetSymbols.h"

#include <QIcon>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

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
