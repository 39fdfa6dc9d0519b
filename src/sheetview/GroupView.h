#pragma once

#include "harvest/ShortcutModel.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace holdsheet {

class SheetLabel;
class ShortcutRow;

// One menu: its title in the accent colour, then a row per command.
class GroupView : public QWidget {
  public:
    GroupView(const ShortcutGroup& group, double scale,
              const std::function<void(const ShortcutItem&)>& onClick, QWidget* parent = nullptr);

    const QUuid& groupId() const { return id_; }
    SheetLabel* title() const { return title_; }
    const std::vector<ShortcutRow*>& rows() const { return rows_; }

  private:
    QUuid id_;
    SheetLabel* title_;
    std::vector<ShortcutRow*> rows_;
};

}  // namespace holdsheet
