#include "sheetview/ColumnsView.h"

#include "sheetview/SheetLayout.h"
#include "ui/SheetStyle.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

namespace holdsheet {

ColumnsView::ColumnsView(const std::vector<ShortcutGroup>& groups, int columnCount,
                         std::shared_ptr<const RowFonts> fonts,
                         std::function<void(const ShortcutItem&)> onClick, QWidget* parent)
    : QWidget(parent), onClick_(std::move(onClick)) {
    for (const auto& columnGroups : splitIntoColumns(groups, columnCount)) {
        std::vector<GroupView> column;
        column.reserve(columnGroups.size());
        for (const auto& group : columnGroups) {
            column.emplace_back(group, fonts);
        }
        columns_.push_back(std::move(column));
    }
    setMouseTracking(true);                   // hover, also while another application is active
    setAttribute(Qt::WA_AlwaysShowToolTips);  // the panel is never the active window
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

ColumnsView::~ColumnsView() = default;

const ColumnsView::Layout& ColumnsView::layoutFor(double width) const {
    if (layout_.width == width && layout_.direction == layoutDirection()) {
        return layout_;
    }
    if (previousLayout_.width == width && previousLayout_.direction == layoutDirection()) {
        std::swap(layout_, previousLayout_);
        return layout_;
    }
    Layout layout;
    layout.width = width;
    layout.direction = layoutDirection();
    const bool mirrored = layout.direction == Qt::RightToLeft;
    const auto count = static_cast<double>(columns_.size());
    const double columnWidth = std::max(0.0, width - 2 * horizontalPadding) / count;
    const double contentWidth = std::max(1.0, columnWidth - 2 * columnPadding);
    double tallest = 0;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const double left = mirrored ? width - horizontalPadding - (c + 1) * columnWidth
                                     : horizontalPadding + c * columnWidth;
        const double x = left + columnPadding;
        double y = verticalPadding;
        for (std::size_t g = 0; g < columns_[c].size(); ++g) {
            const GroupView& group = columns_[c][g];
            if (g > 0) {
                y += groupSpacing;
            }
            const int column = static_cast<int>(c);
            const int groupIndex = static_cast<int>(g);
            layout.placed.push_back(
                {column, groupIndex, -1, QRectF(x, y, contentWidth, group.titleHeight()), {}});
            y += group.titleHeight();
            for (std::size_t r = 0; r < group.rows().size(); ++r) {
                y += GroupView::spacing;
                auto geometry = group.rows()[r].geometry(contentWidth, layout.direction);
                const double height = geometry.height;
                layout.placed.push_back({column, groupIndex, static_cast<int>(r),
                                         QRectF(x, y, contentWidth, height), std::move(geometry)});
                y += height;
            }
        }
        tallest = std::max(tallest, y - verticalPadding);
        layout.columnFrames.emplace_back(left, verticalPadding, columnWidth, 0);
    }
    for (QRectF& frame : layout.columnFrames) {
        frame.setHeight(tallest);
    }
    layout.height = tallest + 2 * verticalPadding;
    previousLayout_ = std::move(layout_);
    layout_ = std::move(layout);
    return layout_;
}

const std::vector<ColumnsView::Placed>& ColumnsView::placement() const {
    return layoutFor(width()).placed;
}

std::optional<std::size_t> ColumnsView::elementAt(const QPointF& point) const {
    const auto& placed = placement();
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (placed[i].frame.contains(point)) {
            return i;
        }
    }
    return std::nullopt;
}

const GroupView& ColumnsView::groupOf(const Placed& placed) const {
    return columns_[static_cast<std::size_t>(placed.column)]
                   [static_cast<std::size_t>(placed.group)];
}

const ShortcutRow& ColumnsView::rowOf(const Placed& placed) const {
    return groupOf(placed).rows()[static_cast<std::size_t>(placed.row)];
}

const QStringList& ColumnsView::titleLines(std::size_t element) {
    auto found = layout_.lines.find(element);
    if (found == layout_.lines.end()) {
        const Placed& placed = layout_.placed[element];
        found =
            layout_.lines.emplace(element, rowOf(placed).titleLines(placed.frame.width())).first;
    }
    return found->second;
}

double ColumnsView::highlight(std::size_t element) const {
    const auto found = highlights_.find(element);
    return found == highlights_.end() ? 0.0 : found->second;
}

void ColumnsView::activate(std::size_t element) {
    const auto& placed = placement();
    if (element >= placed.size() || !placed[element].isRow()) {
        return;
    }
    const ShortcutItem& item = rowOf(placed[element]).item();
    if (item.isEnabled && onClick_) {
        onClick_(item);
    }
}

QString ColumnsView::toolTipAt(const QPointF& point) const {
    const auto element = elementAt(point);
    if (!element) {
        return {};
    }
    const Placed& placed = placement()[*element];
    if (placed.isRow()) {
        const ShortcutRow& row = rowOf(placed);
        return row.isTitleCut(placed.frame.width()) ? row.item().title : QString();
    }
    const GroupView& group = groupOf(placed);
    const double room = placed.frame.width() - 2 * GroupView::titlePadding;
    return QFontMetricsF(group.titleFont()).horizontalAdvance(group.title()) > room ? group.title()
                                                                                    : QString();
}

bool ColumnsView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        // Never read as markup, which a tool tip guesses at; as a paragraph it wraps.
        QToolTip::showText(help->globalPos(), QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()),
                           this);
    }
    return true;
}

int ColumnsView::heightForWidth(int width) const {
    return static_cast<int>(std::ceil(layoutFor(width).height));
}

QSize ColumnsView::sizeHint() const {
    // At the width last laid out: any other would cost a layout of every row.
    const int width = layout_.width > 0 ? static_cast<int>(layout_.width) : this->width();
    return {width, heightForWidth(width)};
}

QSize ColumnsView::minimumSizeHint() const {
    return {0, 0};
}

void ColumnsView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setLayoutDirection(layoutDirection());  // a painter starts in the application's
    const Layout& layout = layoutFor(width());
    const QColor text = primaryText(palette());
    for (std::size_t c = 0; c + 1 < layout.columnFrames.size(); ++c) {
        const QRectF& frame = layout.columnFrames[c];
        // At the trailing edge, which is the left one in a right-to-left layout.
        const double x =
            layout.direction == Qt::RightToLeft ? frame.left() : frame.right() - dividerWidth;
        painter.fillRect(QRectF(x, frame.top(), dividerWidth, frame.height()),
                         withOpacity(text, dividerOpacity));
    }
    const QRectF exposed = QRectF(event->rect());
    const QColor accent = accentColour(palette());
    for (std::size_t i = 0; i < layout.placed.size(); ++i) {
        const Placed& placed = layout.placed[i];
        if (!placed.frame.intersects(exposed)) {
            continue;
        }
        if (placed.isRow()) {
            rowOf(placed).paint(painter, placed.frame, placed.geometry, titleLines(i), palette(),
                                highlight(i), layout.direction);
            continue;
        }
        const GroupView& group = groupOf(placed);
        painter.setFont(group.titleFont());
        painter.setPen(accent);
        const QRectF title = placed.frame.adjusted(
            GroupView::titlePadding, 0, -GroupView::titlePadding, -GroupView::titleBottomPadding);
        painter.drawText(title, Qt::AlignLeading | Qt::AlignTop | Qt::TextSingleLine,
                         painter.fontMetrics().elidedText(group.title(), Qt::ElideRight,
                                                          static_cast<int>(title.width())));
        if (!group.subtitle().isEmpty()) {
            painter.setFont(group.subtitleFont());
            painter.setPen(secondaryText(palette()));
            const double titleLine = QFontMetricsF(group.titleFont()).height();
            painter.drawText(title.adjusted(0, titleLine, 0, 0),
                             Qt::AlignLeading | Qt::AlignTop | Qt::TextSingleLine,
                             painter.fontMetrics().elidedText(group.subtitle(), Qt::ElideRight,
                                                              static_cast<int>(title.width())));
        }
    }
}

void ColumnsView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size().height() != event->oldSize().height()) {
        emit heightChanged(event->size().height());
    }
}

void ColumnsView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) {
        updateGeometry();
        update();
    }
}

void ColumnsView::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    setHovered(elementAt(event->position()));
}

void ColumnsView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = elementAt(event->position());
    }
    QWidget::mousePressEvent(event);
}

void ColumnsView::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const auto released = elementAt(event->position());
    const auto pressed = std::exchange(pressed_, std::nullopt);
    if (released && released == pressed) {
        activate(*released);  // like a button: pressed and released on the same row
    }
}

void ColumnsView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    setHovered(std::nullopt);
}

void ColumnsView::setHovered(std::optional<std::size_t> element) {
    if (element && !placement()[*element].isRow()) {
        element.reset();  // titles do not light up
    }
    if (element == hovered_) {
        return;
    }
    if (hovered_) {
        animate(*hovered_, 0.0);
    }
    hovered_ = element;
    if (hovered_) {
        animate(*hovered_, 1.0);
    }
}

void ColumnsView::animate(std::size_t element, double to) {
    if (auto running = animations_[element]) {
        running->stop();
        running->deleteLater();
    }
    auto* animation = new QVariantAnimation(this);
    animation->setDuration(highlightMs);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    animation->setStartValue(highlight(element));
    animation->setEndValue(to);
    connect(animation, &QVariantAnimation::valueChanged, this, [this, element](const QVariant& v) {
        highlights_[element] = v.toDouble();
        update(placement()[element].frame.toAlignedRect());
    });
    animations_[element] = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

}  // namespace holdsheet
