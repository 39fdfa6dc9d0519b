#include "sheetview/SearchField.h"

#include "prefs/Localization.h"
#include "ui/SheetStyle.h"
#include "ui/SheetSymbols.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include <cmath>

namespace holdsheet {

SearchField::SearchField(const Localization& localization, double scale, QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(this)),
      clear_(new QToolButton(this)),
      clearSymbol_(QStringLiteral("xmark.circle.fill"), std::round(13 * scale)) {
    const QFont font = sheetFont(13 * scale);
    const double symbolSize = clearSymbol_.size();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 7, 12, 7);
    layout->setSpacing(6);
    layout->addWidget(
        new SymbolView(QStringLiteral("magnifyingglass"), symbolSize, secondaryOpacity, this));
    edit_->setObjectName(QStringLiteral("search"));
    edit_->setFrame(false);
    edit_->setFont(font);
    edit_->setPlaceholderText(localization.localized(QStringLiteral("search.placeholder")));
    edit_->setAccessibleName(edit_->placeholderText());
    // No background of its own: the capsule shows through.
    QPalette clear = edit_->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    edit_->setPalette(clear);
    layout->addWidget(edit_, 1);
    const int side = static_cast<int>(symbolSize);
    tintClearButton();
    clear_->setIconSize(QSize(side, side));
    clear_->setAutoRaise(true);
    clear_->setFocusPolicy(Qt::NoFocus);
    clear_->setCursor(Qt::ArrowCursor);
    clear_->setAccessibleName(localization.localized(QStringLiteral("search.clear")));
    clear_->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"));
    clear_->hide();
    layout->addWidget(clear_);
    setFixedWidth(fixedWidth);
    connect(edit_, &QLineEdit::textChanged, this, &SearchField::textChanged);
    connect(clear_, &QToolButton::clicked, this, [this] {
        edit_->clear();
        edit_->setFocus();
    });
}

QString SearchField::text() const {
    return edit_->text();
}

void SearchField::setText(const QString& text) {
    if (edit_->text() != text) {
        const QSignalBlocker quiet(this);
        edit_->setText(text);
    }
    clear_->setVisible(!text.isEmpty());
}

void SearchField::textChanged(const QString& text) {
    clear_->setVisible(!text.isEmpty());
    emit textEdited(text);
}

void SearchField::tintClearButton() {
    clear_->setIcon(QIcon(clearSymbol_.pixmap(secondaryText(palette()), devicePixelRatioF())));
}

void SearchField::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        tintClearButton();
    }
}

void SearchField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF shape = QRectF(rect());
    QPainterPath capsule;
    capsule.addRoundedRect(shape, shape.height() / 2, shape.height() / 2);
    painter.fillPath(capsule, withOpacity(primaryText(palette()), 0.07));
}

}  // namespace holdsheet
