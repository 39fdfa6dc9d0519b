#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <memory>

namespace holdsheet {

// The fonts of the rows at one sheet scale, with their metrics: made once for a whole sheet
// rather than for each of its rows. It remembers the widths of the texts it measured, so a
// sheet rebuilt at every keystroke shapes each title and key only once.
struct RowFonts {
    explicit RowFonts(double scale);
    static std::shared_ptr<const RowFonts> make(double scale) {
        return std::make_shared<const RowFonts>(scale);
    }

    double titleAdvance(const QString& text) const {
        return advance(titleWidths, titleMetrics, text);
    }
    double modifierAdvance(const QString& text) const {
        return advance(modifierWidths, modifierMetrics, text);
    }
    // The font a key's name is drawn in, and its width there.
    const QFont& keyFont(const QString& key) const;
    double keyAdvance(const QString& key) const;

    double scale;
    QFont title;      // 13 × scale
    QFont modifiers;  // 13 × scale, medium
    QFont key;        // 12.5 × scale, semibold
    // For ⇞ and ⇟, which the sheet's fonts and their usual fallbacks draw as a small smudge:
    // a font whose arrows keep their bars apart at every text size, else the key font.
    QFont pageKey;
    QFontMetricsF titleMetrics;
    QFontMetricsF modifierMetrics;
    QFontMetricsF keyMetrics;
    QFontMetricsF pageKeyMetrics;

  private:
    static double advance(QHash<QString, double>& widths, const QFontMetricsF& metrics,
                          const QString& text);

    mutable QHash<QString, double> titleWidths;
    mutable QHash<QString, double> modifierWidths;
    mutable QHash<QString, double> keyWidths;
};

}  // namespace holdsheet
