#pragma once

#include "harvest/ShortcutModel.h"
#include "sheetview/GroupView.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class QVariantAnimation;

namespace holdsheet {

// The groups spread over equal columns side by side, each starting at the top, with a faint
// divider between neighbours; it takes the height its content needs at its width. It draws
// the groups and rows itself, lights the row under the pointer and runs a clicked one.
class ColumnsView : public QWidget {
    Q_OBJECT
  public:
    static constexpr double groupSpacing = 20;
    static constexpr double columnPadding = 14;
    static constexpr double horizontalPadding = 14;
    static constexpr double verticalPadding = 22;
    static constexpr double dividerWidth = 0.5;
    static constexpr double dividerOpacity = 0.1;
    static constexpr int highlightMs = 120;

    // One drawn element: a group's title (row -1) or one of its rows.
    struct Placed {
        int column = 0;
        int group = 0;
        int row = -1;
        QRectF frame;
        ShortcutRow::Geometry geometry;  // rows only
        bool isRow() const { return row >= 0; }
    };

    ColumnsView(const std::vector<ShortcutGroup>& groups, int columnCount,
                std::shared_ptr<const RowFonts> fonts,
                std::function<void(const ShortcutItem&)> onClick, QWidget* parent = nullptr);
    ColumnsView(const std::vector<ShortcutGroup>& groups, int columnCount, double scale,
                std::function<void(const ShortcutItem&)> onClick, QWidget* parent = nullptr)
        : ColumnsView(groups, columnCount, RowFonts::make(scale), std::move(onClick), parent) {}
    ~ColumnsView() override;

    // The groups of each column, in order.
    const std::vector<std::vector<GroupView>>& columns() const { return columns_; }
    // Every element in reading order, at the current width; the order never changes.
    const std::vector<Placed>& placement() const;
    std::optional<std::size_t> elementAt(const QPointF& point) const;
    const GroupView& groupOf(const Placed& placed) const;
    const ShortcutRow& rowOf(const Placed& placed) const;
    // The element under the pointer, and how strongly each row is lit (0 to 1).
    std::optional<std::size_t> hovered() const { return hovered_; }
    double highlight(std::size_t element) const;
    // A click on an element: runs an enabled row's command, nothing otherwise.
    void activate(std::size_t element);
    // The whole title of the group or row at `point` when what is drawn of it is cut short,
    // else nothing: the tool tip there.
    QString toolTipAt(const QPointF& point) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void heightChanged(double height);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    struct Layout {
        double width = -1;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        std::vector<Placed> placed;
        std::vector<QRectF> columnFrames;
        double height = 0;
        // The rows' title lines, by element, shaped when the row is first drawn.
        std::map<std::size_t, QStringList> lines;
    };
    const Layout& layoutFor(double width) const;
    const QStringList& titleLines(std::size_t element);
    void setHovered(std::optional<std::size_t> element);
    void animate(std::size_t element, double to);

    std::vector<std::vector<GroupView>> columns_;
    std::function<void(const ShortcutItem&)> onClick_;
    // Layouts at the last two widths: with a scroll bar coming and going, both are asked for.
    mutable Layout layout_;
    mutable Layout previousLayout_;
    std::optional<std::size_t> hovered_;
    std::optional<std::size_t> pressed_;
    std::map<std::size_t, double> highlights_;
    std::map<std::size_t, QPointer<QVariantAnimation>> animations_;
};

}  // namespace holdsheet
