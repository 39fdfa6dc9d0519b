#include "harvest/KeyNaming.h"
#include "prefs/Languages.h"
#include "prefs/Localization.h"
#include "prefs/LocalizationKeys.h"
#include "sheetview/SheetStyle.h"

#include <QDir>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

// How many glyphs of `text` come out as glyph 0 (the empty box) in `font`, after Qt has
// tried its fallback fonts: the characters that no installed font can draw.
int missingGlyphs(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 glyph : run.glyphIndexes()) {
            missing += glyph == 0 ? 1 : 0;
        }
    }
    return missing;
}

// The characters of `text` that cannot be drawn, for the failure message.
QString missingCharacters(const QString& text, const QFont& font) {
    QString missing;
    if (missingGlyphs(text, font) > 0) {
        for (const QChar c : text) {
            if (!c.isSpace() && missingGlyphs(QString(c), font) > 0) {
                missing += c;
            }
        }
        if (missing.isEmpty()) {
            missing = QStringLiteral("(in context)");
        }
    }
    return missing;
}

// Every key name the sheet can show that is not a plain letter or digit.
QStringList keySymbols() {
    QSet<QString> names;
    for (qint64 code = 0; code <= 0x110; ++code) {
        if (auto name = keyName(std::nullopt, std::nullopt, code)) {
            names.insert(*name);
        }
    }
    for (qint64 glyph = 1; glyph <= 0x90; ++glyph) {
        if (auto name = keyName(std::nullopt, glyph, std::nullopt)) {
            names.insert(*name);
        }
    }
    names.insert(modifierSymbols(0x7));
    QSet<QString> characters;
    for (const QString& name : names) {
        for (const QChar c : name) {
            if (!c.isLetterOrNumber() && !c.isSpace()) {
                characters.insert(QString(c));
            }
        }
    }
    QStringList symbols(characters.begin(), characters.end());
    symbols.sort();
    return symbols;
}

TEST(GlyphCoverageTest, KeySymbolsRenderInTheSheetFonts) {
    const QStringList symbols = keySymbols();
    ASSERT_GT(symbols.size(), 20);
    // The check itself: a private-use character that no font draws is caught.
    EXPECT_EQ(missingGlyphs(QString(QChar(0xE000)), sheetFont(13)), 1);
    for (const QString& symbol : symbols) {
        for (const QFont& font : {sheetFont(13, QFont::Medium), sheetFont(12.5, QFont::DemiBold)}) {
            EXPECT_EQ(missingCharacters(symbol, font), QString())
                << "U+" << QString::number(symbol.at(0).unicode(), 16).toStdString();
        }
    }
}

TEST(GlyphCoverageTest, EveryLanguageRendersEveryText) {
    const QFont font = sheetFont(13);
    QImage sample(900, 40 + 22 * static_cast<int>(selectableLanguages().size()),
                  QImage::Format_ARGB32);
    sample.fill(Qt::white);
    QPainter painter(&sample);
    painter.setFont(sheetFont(16, QFont::DemiBold));
    painter.drawText(QPointF(10, 26), keySymbols().join(' '));
    painter.setFont(font);
    int y = 50;
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
