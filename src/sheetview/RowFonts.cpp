#include "sheetview/RowFonts.h"

#include "sheetview/SheetStyle.h"

namespace holdsheet {

RowFonts::RowFonts(double scale)
    : scale(scale),
      title(sheetFont(13 * scale)),
      modifiers(sheetFont(13 * scale, QFont::Medium)),
      key(sheetFont(12.5 * scale, QFont::DemiBold)),
      titleMetrics(title),
      modifierMetrics(modifiers),
      keyMetrics(key) {}

double RowFonts::advance(QHash<QString, double>& widths, const QFontMetricsF& metrics,
                         const QString& text) {
    auto found = widths.constFind(text);
    if (found == widths.constEnd()) {
        found = widths.insert(text, metrics.horizontalAdvance(text));
    }
    return *found;
}

}  // namespace holdsheet
