#pragma once

#include <QFont>
#include <QFontMetricsF>

#include <memory>

namespace holdsheet {

// The fonts of the rows at one sheet scale, with their metrics: made once for a whole sheet
// rather than for each of its rows.
struct RowFonts {
    explicit RowFonts(double scale);
    static std::shared_ptr<const RowFonts> make(double scale) {
        return std::make_shared<const RowFonts>(scale);
    }

    double scale;
    QFont title;      // 13 × scale
    QFont modifiers;  // 13 × scale, medium
    QFont key;        // 12.5 × scale, semibold
    QFontMetricsF titleMetrics;
    QFontMetricsF modifierMetrics;
    QFontMetricsF keyMetrics;
};

}  // namespace holdsheet
