#include "settings/ExcludedList.h"

#include "prefs/Localization.h"
#include "settings/AppLabel.h"
#include "settings/FormDivider.h"
#include "ui/SettingsStyle.h"
#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"
#include "ui/SheetSymbols.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QVBoxLayout>

namespace holdsheet {

namespace {

constexpr int entryPaddingX = 12;
constexpr int entryPaddingY = 8;
constexpr int emptyPadding = 12;
constexpr int removeSymbolSize = 16;

// A borderless button showing the symbol, following light and dark.
class RemoveButton : public QToolButton {
  public:
    explicit RemoveButton(QWidget* parent) : QToolButton(parent) {
        setAutoRaise(true);
        setCursor(Qt::PointingHandCursor);
        setIconSize(QSize(removeSymbolSize, removeSymbolSize));
        setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 2px; }"));
        refreshIcon();
    }

  protected:
    void changeEvent(QEvent* event) override {
        QToolButton::changeEvent(event);
        if (event->type() == QEvent::PaletteChange) {
            refreshIcon();
        }
    }

  private:
    void refreshIcon() {
        setIcon(QIcon(symbolPixmap(QStringLiteral("minus.circle"), removeSymbolSize,
                                   secondaryText(palette()), devicePixelRatioF())));
    }
};

}  // namespace

ExcludedList::ExcludedList(InstalledApplications& applications, const Localization& localization,
                           QWidget* parent)
    : QWidget(parent), applications_(applications), localization_(localization) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setIds({});
}

void ExcludedList::setIds(const QStringList& ids) {
    ids_ = ids;
    removeButtons_.clear();
    // The old entries go once the event that led here is done: it may be a click on one.
    if (body_) {
        body_->hide();
        body_->deleteLater();
    }
    body_ = new QWidget(this);
    auto* stack = new QVBoxLayout(body_);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    if (ids.isEmpty()) {
        auto* none =
            new SheetLabel(localization_.localized(QStringLiteral("settings.excluded.none")),
                           bodyFont(), SheetLabel::Tone::secondary, body_);
        none->setContentsMargins(emptyPadding, emptyPadding, emptyPadding, emptyPadding);
        stack->addWidget(none);
    }
    for (int i = 0; i < ids.size(); ++i) {
        const QString id = ids[i];
        if (i > 0) {
            stack->addWidget(new FormDivider(body_));
        }
        auto* entry = new QWidget(body_);
        auto* line = new QHBoxLayout(entry);
        line->setContentsMargins(entryPaddingX, entryPaddingY, entryPaddingX, entryPaddingY);
        auto* label = new AppLabel(id, applications_, entry);
        auto* remove = new RemoveButton(entry);
        remove->setAccessibleName(
            localization_.localized(QStringLiteral("settings.excluded.remove"))
                .arg(label->name()->text()));
        line->addWidget(label, 1);
        line->addWidget(remove, 0, Qt::AlignVCenter);
        stack->addWidget(entry);
        removeButtons_.push_back(remove);
        connect(remove, &QAbstractButton::clicked, this, [this, id] {
            if (onRemove_) {
                onRemove_(id);
            }
        });
    }
    layout()->addWidget(body_);
    body_->show();
}

QAbstractButton* ExcludedList::removeButton(int index) const {
    return index >= 0 && index < static_cast<int>(removeButtons_.size())
               ? removeButtons_[static_cast<std::size_t>(index)]
               : nullptr;
}

int ExcludedList::entryHeight() const {
    return AppLabel::iconSize + 2 * entryPaddingY;
}

void ExcludedList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.fillPath(shape, withOpacity(primaryText(palette()), boxFillOpacity));
}

}  // namespace holdsheet
