#include "sheetview/SheetContent.h"

#include "harvest/SheetFilter.h"
#include "panel/SheetModel.h"
#include "permissions/PermissionMonitor.h"
#include "prefs/Localization.h"
#include "sheetview/ColumnsView.h"
#include "sheetview/EmptyNotice.h"
#include "sheetview/PermissionNotice.h"
#include "sheetview/SheetLayout.h"
#include "ui/BusyIndicator.h"

#include <QResizeEvent>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace holdsheet {

namespace {
// What the scroll area holds. Its minimum is nothing, so the area asks only for the height
// at the width it has: the columns' minimum, with every title wrapped at its narrowest,
// would call for scrolling where the sheet fits.
class ScrollBody : public QWidget {
  public:
    using QWidget::QWidget;
    QSize minimumSizeHint() const override { return {0, 0}; }
};
}  // namespace

SheetContent::SheetContent(SheetModel& model, const SheetServices& services, double scale,
                           QWidget* parent)
    : QWidget(parent),
      model_(model),
      services_(services),
      scale_(scale),
      fonts_(RowFonts::make(scale)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    connect(&model_, &SheetModel::loadingChanged, this, [this] { refresh(); });
    connect(&model_, &SheetModel::sheetChanged, this, [this] {
        fonts_ = RowFonts::make(scale_);  // the widths it keeps are of the last sheet's texts
        refresh();
    });
    connect(&model_, &SheetModel::queryChanged, this, [this] { refresh(); });
    connect(&services_.permission, &PermissionMonitor::trustedChanged, this, [this] { refresh(); });
    refresh();
}

SheetContent::State SheetContent::stateNow() const {
    if (model_.isLoading()) {
        return State::loading;  // before the permission: the indicator shows until loading ends
    }
    if (!services_.permission.trusted()) {
        return State::permission;
    }
    return State::columns;  // or empty, once the groups are known
}

void SheetContent::refresh() {
    const State state = stateNow();
    if (state == State::loading || state == State::permission) {
        if (state_ != state || !current_) {
            showPart(state == State::loading
                         ? static_cast<QWidget*>(new BusyIndicator(this))
                         : new PermissionNotice(services_.localization, services_.requestPermission,
                                                this));
        }
        state_ = state;
        fitNotice();
        return;
    }
    const auto& sheet = model_.sheet();
    const std::vector<ShortcutGroup> groups =
        sheet ? filterGroups(model_.query(), sheet->groups, services_.localization.appLocale())
              : std::vector<ShortcutGroup>{};
    if (groups.empty()) {
        const bool searching = !model_.query().isEmpty();
        const auto* shown = state_ == State::empty ? dynamic_cast<EmptyNotice*>(current_) : nullptr;
        if (!shown || shown->searching() != searching) {
            showPart(new EmptyNotice(searching, services_.localization, this));
        }
        state_ = State::empty;
        fitNotice();
        return;
    }
    const bool hadColumns = state_ == State::columns && current_;
    state_ = State::columns;
    columnCount_ = columnCountForWidth(width(), scale_);
    // The scroll area stays while the columns change: a new one would first lay out a whole
    // sheet at its default width of a hundred points.
    auto* scroll = hadColumns ? qobject_cast<QScrollArea*>(current_) : nullptr;
    if (!scroll) {
        scroll = new QScrollArea(this);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        scroll->setWidgetResizable(true);
        scroll->viewport()->setAutoFillBackground(false);
        scroll->resize(size());
        showPart(scroll);
    } else if (QWidget* old = scroll->takeWidget()) {
        old->hide();
        old->deleteLater();  // a row's click may be what brought us here
    }
    auto* body = new ScrollBody(scroll);
    body->resize(scroll->viewport()->size());  // laid out at its real width from the start
    auto* stack = new QVBoxLayout(body);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    auto* columns = new ColumnsView(groups, columnCount_, fonts_, services_.runItem, body);
    columns->resize(body->width(), 0);
    stack->addWidget(columns);
    stack->addStretch(1);
    // Before the body is set: a shown scroll area lays it out, and so resizes it, at once.
    connect(columns, &ColumnsView::heightChanged, this, [this](double h) { reportHeight(h); });
    scroll->setWidget(body);
    body->setAutoFillBackground(false);  // setWidget turns it on; the backdrop shows through
    columns_ = columns;
}

void SheetContent::showPart(QWidget* part) {
    columns_ = nullptr;
    if (current_) {
        current_->hide();
        current_->deleteLater();
    }
    current_ = part;
    layout()->addWidget(part);
    part->show();
}

void SheetContent::reportHeight(double height) {
    // On the next turn, with the query as it stands then.
    QTimer::singleShot(0, this, [this, height] {
        if (model_.query().isEmpty() && height > 0) {
            model_.setContentHeight(height);
        }
    });
}

void SheetContent::fitNotice() {
    // A notice does not scroll: when it needs more than the panel gives, the panel grows to
    // hold all of it (and never shrinks for it). Measured on the next turn, once laid out at
    // the panel's width.
    QTimer::singleShot(0, this, [this] {
        const bool notice = state_ == State::permission || state_ == State::empty;
        if (!notice || !current_ || !isVisible()) {
            return;
        }
        const int needed = current_->heightForWidth(width());
        if (model_.query().isEmpty() && needed > model_.contentHeight()) {
            model_.setContentHeight(needed);
        }
    });
}

void SheetContent::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) {
        fitNotice();
    }
    if (state_ == State::columns && columnCountForWidth(width(), scale_) != columnCount_) {
        refresh();
    }
}

}  // namespace holdsheet
