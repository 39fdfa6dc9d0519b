#include "sheetview/SheetAccessibility.h"

#include "sheetview/ColumnsView.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

namespace holdsheet {

namespace {

// One title or row of a ColumnsView. It lives as long as the view's own interface does.
class ElementAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    ElementAccessible(ColumnsView* view, std::size_t index) : view_(view), index_(index) {}

    bool isValid() const override { return view_ && index_ < view_->placement().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid()) {
            return {};
        }
        const auto& placed = view_->placement()[index_];
        if (kind == QAccessible::Description && !placed.isRow()) {
            return view_->groupOf(placed).subtitle();  // where the group comes from
        }
        if (kind != QAccessible::Name) {
            return {};
        }
        return placed.isRow() ? view_->rowOf(placed).accessibleName()
                              : view_->groupOf(placed).title();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect frame = view_->placement()[index_].frame.toAlignedRect();
        return QRect(view_->mapToGlobal(frame.topLeft()), frame.size());
    }
    QAccessible::Role role() const override {
        return isRow() ? QAccessible::Button : QAccessible::Heading;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.disabled = isRow() && !enabled();
        state.invisible = !view_->isVisible();
        state.hotTracked = view_->hovered() == index_;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface && isRow()
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }

    QStringList actionNames() const override {
        return isRow() && enabled() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid()) {
            view_->activate(index_);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    const ColumnsView* view() const { return view_.data(); }
    std::size_t index() const { return index_; }

  private:
    bool isRow() const { return isValid() && view_->placement()[index_].isRow(); }
    bool enabled() const { return view_->rowOf(view_->placement()[index_]).item().isEnabled; }

    QPointer<ColumnsView> view_;
    std::size_t index_;
};

class ColumnsAccessible : public QAccessibleWidget {
  public:
    explicit ColumnsAccessible(ColumnsView* view)
        : QAccessibleWidget(view, QAccessible::Grouping), view_(view) {}
    ~ColumnsAccessible() override {
        for (const QAccessible::Id id : children_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override {
        return view_ ? static_cast<int>(view_->placement().size()) : 0;
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        const auto slot = static_cast<std::size_t>(index);
        if (children_.size() <= slot) {
            children_.resize(static_cast<std::size_t>(childCount()), 0);
        }
        if (children_[slot] == 0) {
            children_[slot] =
                QAccessible::registerAccessibleInterface(new ElementAccessible(view_.data(), slot));
        }
        return QAccessible::accessibleInterface(children_[slot]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* element = dynamic_cast<const ElementAccessible*>(child);
        return element && view_ && element->view() == view_.data()
                   ? static_cast<int>(element->index())
                   : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (!view_) {
            return nullptr;
        }
        const auto element = view_->elementAt(QPointF(view_->mapFromGlobal(QPoint(x, y))));
        return element ? child(static_cast<int>(*element)) : nullptr;
    }

  private:
    QPointer<ColumnsView> view_;
    mutable std::vector<QAccessible::Id> children_;
};

QAccessibleInterface* sheetInterfaces(const QString& className, QObject* object) {
    if (className == QLatin1String("holdsheet::ColumnsView")) {
        if (auto* view = qobject_cast<ColumnsView*>(object)) {
            return new ColumnsAccessible(view);
        }
    }
    return nullptr;
}

}  // namespace

void installSheetAccessibility() {
    QAccessible::installFactory(sheetInterfaces);
}

}  // namespace holdsheet
