#pragma once

#include "harvest/ShortcutModel.h"
#include "sheetview/ShortcutRow.h"

#include <QFont>

#include <vector>

namespace holdsheet {

// One menu as drawn in a column: its title in the accent colour, under it where the group
// comes from when it is not the application's menus, then a row per command.
class GroupView {
  public:
    static constexpr double spacing = 2;
    static constexpr double titlePadding = 8;  // left and right
    static constexpr double titleBottomPadding = 5;

    GroupView(const ShortcutGroup& group, const std::shared_ptr<const RowFonts>& fonts);
    GroupView(const ShortcutGroup& group, double scale) : GroupView(group, RowFonts::make(scale)) {}

    const QUuid& id() const { return id_; }
    const QString& title() const { return title_; }
    const QFont& titleFont() const { return titleFont_; }
    const QString& subtitle() const { return subtitle_; }
    const QFont& subtitleFont() const { return subtitleFont_; }
    // The title's height, the subtitle's line and the bottom padding included.
    double titleHeight() const { return titleHeight_; }
    const std::vector<ShortcutRow>& rows() const { return rows_; }

  private:
    QUuid id_;
    QString title_;
    QFont titleFont_;
    QString subtitle_;
    QFont subtitleFont_;
    double titleHeight_;
    std::vector<ShortcutRow> rows_;
};

}  // namespace holdsheet
