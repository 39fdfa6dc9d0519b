#include "sheetview/GroupView.h"

#include "ui/SheetStyle.h"

#include <QFontMetricsF>

namespace holdsheet {

GroupView::GroupView(const ShortcutGroup& group, const std::shared_ptr<const RowFonts>& fonts)
    : id_(group.id),
      title_(group.title),
      titleFont_(sheetFont(13 * fonts->scale, QFont::Bold)),
      subtitle_(group.subtitle),
      subtitleFont_(sheetFont(10.5 * fonts->scale)),
      titleHeight_(QFontMetricsF(titleFont_).height() + titleBottomPadding +
                   (subtitle_.isEmpty() ? 0.0 : QFontMetricsF(subtitleFont_).height())) {
    rows_.reserve(group.items.size());
    for (const auto& item : group.items) {
        rows_.emplace_back(item, fonts);
    }
}

}  // namespace holdsheet
