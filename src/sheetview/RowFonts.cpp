#include "sheetview/RowFonts.h"

#include "ui/SheetStyle.h"

namespace holdsheet {

namespace {
bool isPageKey(const QString& key) {
    return key == QStringLiteral("⇞") || key == QStringLiteral("⇟");
}

// `font` drawn in `family` first, in its own families where that one is missing.
QFont withFallback(QFont font, const QString& family) {
    font.setFamilies(QStringList{family} + font.families() + QStringList{font.family()});
    return font;
}
}  // namespace

RowFonts::RowFonts(double scale)
    : scale(scale),
      title(sheetFont(13 * scale)),
      modifiers(sheetFont(13 * scale, QFont::Medium)),
      key(sheetFont(12.5 * scale, QFont::DemiBold)),
      pageKey(withFallback(key, QStringLiteral("WenQuanYi Micro Hei"))),
      titleMetrics(title),
      modifierMetrics(modifiers),
      keyMetrics(key),
      pageKeyMetrics(pageKey) {}

const QFont& RowFonts::keyFont(const QString& key) const {
    return isPageKey(key) ? pageKey : this->key;
}

double RowFonts::keyAdvance(const QString& key) const {
    return isPageKey(key) ? advance(keyWidths, pageKeyMetrics, key)
                          : advance(keyWidths, keyMetrics, key);
}

double RowFonts::advance(QHash<QString, double>& widths, const QFontMetricsF& metrics,
                         const QString& text) {
    auto found = widths.constFind(text);
    if (found == widths.constEnd()) {
        found = widths.insert(text, metrics.horizontalAdvance(text));
    }
    return *found;
}

}  // namespace holdsheet
