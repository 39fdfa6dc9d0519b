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
    double keyAdvance(const QString& text) const { return advance(keyWidths, keyMetrics, text); }

    double scale;
    QFont title;      // 13 × scale
    QFont modifiers;  // 13 × scale, medium
    QFont key;        // 12.5 × scale, semibold
    QFontMetricsF titleMetrics;
    QFontMetricsF modifierMetrics;
    QFontMetricsF keyMetrics;

  private:
    static double advance(QHash<QString, double>& widths, const QFontMetricsF& metrics,
                          const QString& text);

    mutable QHash<QString, double> titleWidths;
    mutable QHash<QString, double> modifierWidths;
    mutable QHash<QString, double> keyWidths;
};

}  // namespace holdsheet
