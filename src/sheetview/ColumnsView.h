#pragma once

#include "harvest/ShortcutModel.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace holdsheet {

class GroupView;

// The groups spread over equal columns side by side, each starting at the top, with a faint
// divider between neighbours. It takes the height its content needs at its width.
class ColumnsView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int columnSpacing = 0;
    static constexpr int groupSpacing = 20;
    static constexpr int columnPadding = 14;
    static constexpr int horizontalPadding = 14;
    static constexpr int verticalPadding = 22;
    static constexpr double dividerWidth = 0.5;
    static constexpr double dividerOpacity = 0.1;

    ColumnsView(const std::vector<ShortcutGroup>& groups, int columnCount, double scale,
                const std::function<void(const ShortcutItem&)>& onClick, QWidget* parent = nullptr);

    const std::vector<QWidget*>& columns() const { return columns_; }
    // The groups of each column, in order.
    const std::vector<std::vector<GroupView*>>& groupViews() const { return groupViews_; }

  signals:
    void heightChanged(double height);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::vector<QWidget*> columns_;
    std::vector<std::vector<GroupView*>> groupViews_;
};

}  // namespace holdsheet
