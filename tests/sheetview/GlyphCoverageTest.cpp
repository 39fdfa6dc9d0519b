#include "harvest/KeyNaming.h"
#include "prefs/Languages.h"
#include "prefs/Localization.h"
#include "prefs/LocalizationKeys.h"
#include "sheetview/KeyCaps.h"
#include "ui/SheetStyle.h"

#include "Ink.h"
#include "SheetSamples.h"

#include <QDir>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

// The glyphs Qt draws `text` with in `font`, after it has tried its fallback fonts.
QList<QGlyphRun> glyphRunsOf(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    return layout.glyphRuns();
}

// The characters of `text` that no installed font can draw in `font`: those that come out
// as glyph 0 (the empty box).
QString missingCharacters(const QString& text, const QFont& font) {
    const auto drawn = [&font](const QString& part) {
        for (const QGlyphRun& run : glyphRunsOf(part, font)) {
            if (run.glyphIndexes().contains(0)) {
                return false;
            }
        }
        return true;
    };
    if (drawn(text)) {
        return {};
    }
    QString missing;
    for (const QChar c : text) {
        missing += c.isSpace() || drawn(QString(c)) ? QString() : QString(c);
    }
    return missing.isEmpty() ? QStringLiteral("(in context)") : missing;
}

// Every key name the sheet can show that is not a plain letter or digit.
QStringList keySymbols() {
    QString names = modifierSymbols(0x7);
    for (qint64 code = 0; code <= 0x110; ++code) {
        names += keyName(std::nullopt, code).value_or(QString());
    }
    QSet<QString> characters;
    for (const QChar c : names) {
        if (!c.isLetterOrNumber() && !c.isSpace()) {
            characters.insert(QString(c));
        }
    }
    QStringList symbols(characters.begin(), characters.end());
    symbols.sort();
    return symbols;
}

constexpr double textSizes[] = {0.9, 1.0, 1.18};

KeyCaps capOf(const QString& key, double scale) {
    return KeyCaps(testing::makeItem({}, {}, key), RowFonts::make(scale));
}

// The height of the ink of `key` as its cap draws it; the cap's faint fill does not count.
int inkedHeight(const QString& key, double scale) {
    const KeyCaps caps = capOf(key, scale);
    QImage image(caps.size().toSize() + QSize(8, 8), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    caps.paint(painter, QPointF(4, 4), QPalette());
    painter.end();
    return testing::inkedRect(image, 128).height();
}

TEST(GlyphCoverageTest, PageKeysAreDrawnAtFullSizeInEveryTextSize) {
    for (const double scale : textSizes) {
        SCOPED_TRACE(scale);
        // Their arrows stand at least as tall as the other arrows of the caps.
        const int arrows = std::max(inkedHeight("↑", scale), inkedHeight("⇧", scale));
        EXPECT_GE(arrows, 8);  // something was drawn to compare with
        for (const QString key : {"⇞", "⇟"}) {
            EXPECT_GE(inkedHeight(key, scale), arrows) << key.toStdString();
            const auto runs = glyphRunsOf(key, capOf(key, scale).keyFont());
            EXPECT_EQ(runs.value(0).rawFont().familyName().toStdString(), "WenQuanYi Micro Hei")
                << "the family that draws it, after fallback";
            EXPECT_EQ(capOf(key, scale).keyFont().pointSizeF(),
                      capOf("S", scale).keyFont().pointSizeF());
        }
    }
}

TEST(GlyphCoverageTest, KeySymbolsRenderInTheSheetFonts) {
    const QStringList symbols = keySymbols();
    ASSERT_GE(symbols.size(), 20);
    // The check itself catches a character that no font draws: an unassigned one, since
    // symbol and icon fonts fill the private-use area.
    const QString unassigned(QChar(0x0378));
    EXPECT_EQ(missingCharacters(unassigned, capOf(unassigned, 1.0).keyFont()), unassigned);
    // Each in the font its cap draws it with, as Qt resolves that font on this machine.
    for (const QString& symbol : symbols) {
        const KeyCaps caps = capOf(symbol, 1.0);
        EXPECT_EQ(missingCharacters(symbol, caps.keyFont()), QString())
            << "U+" << QString::number(symbol.at(0).unicode(), 16).toStdString();
    }
    const QString modifiers = modifierSymbols(0x7);
    EXPECT_EQ(missingCharacters(modifiers, capOf("S", 1.0).modifierFont()), QString());
}

TEST(GlyphCoverageTest, EveryLanguageRendersEveryText) {
    const QFont font = sheetFont(13);
    QImage sample(900, 70 + 22 * static_cast<int>(selectableLanguages().size()),
                  QImage::Format_ARGB32);
    sample.fill(Qt::white);
    QPainter painter(&sample);
    painter.setFont(sheetFont(16, QFont::DemiBold));
    painter.drawText(QPointF(10, 26), keySymbols().join(' '));
    // Key caps as rows draw them, in the three text sizes.
    double x = 10;
    for (const double scale : textSizes) {
        for (const QString key : {"⇞", "⇟", "↑", "⇧", "S"}) {
            const KeyCaps caps = capOf(key, scale);
            caps.paint(painter, QPointF(x, 40), QPalette());
            x += caps.size().width() + 4;
        }
        x += 20;
    }
    painter.setFont(font);
    int y = 80;
    for (const Language& language : selectableLanguages()) {
        const auto catalogue = Catalogue::load(language.code);
        ASSERT_NE(catalogue, nullptr) << language.code.toStdString();
        for (const QString& key : localizationKeys()) {
            const QString text = catalogue->text(key, isPluralKey(key) ? 2 : -1);
            EXPECT_EQ(missingCharacters(text, font), QString())
                << language.code.toStdString() << " " << key.toStdString();
        }
        painter.drawText(QPointF(10, y),
                         QStringLiteral("%1  %2 · %3 · %4")
                             .arg(language.name, catalogue->text("search.placeholder"),
                                  catalogue->text("mod.shift"), catalogue->text("empty.title")));
        y += 22;
    }
    painter.end();
    // Kept for a person to look at.
    const QString artifacts = QStringLiteral(HOLDSHEET_ARTIFACTS);
    QDir().mkpath(artifacts);
    EXPECT_TRUE(sample.save(artifacts + "/sheet-glyphs.png"));
}

}  // namespace
}  // namespace holdsheet
