#include "panel/PlainSheetView.h"

#include "harvest/SheetLoader.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace holdsheet {

PlainSheetView::PlainSheetView(SheetModel& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      header_(new QLabel(this)),
      search_(new QLineEdit(this)),
      list_(new QPlainTextEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header_);
    layout->addWidget(search_);
    layout->addWidget(list_);
    list_->setReadOnly(true);
    list_->setFocusPolicy(Qt::NoFocus);
    search_->setObjectName(QStringLiteral("search"));
    connect(search_, &QLineEdit::textChanged, &model_, [this](const QString& text) {
        if (text != model_.query()) {
            model_.setQuery(text);
        }
    });
    connect(&model_, &SheetModel::queryChanged, this, [this](const QString& query) {
        if (search_->text() != query) {
            search_->setText(query);
        }
        refresh();
    });
    connect(&model_, &SheetModel::sheetChanged, this, [this] { refresh(); });
    connect(&model_, &SheetModel::loadingChanged, this, [this] { refresh(); });
    connect(&model_, &SheetModel::appNameChanged, this, [this] { refresh(); });
    refresh();
}

void PlainSheetView::refresh() {
    const auto& sheet = model_.sheet();
    header_->setText(
        sheet ? QStringLiteral("%1 — %2").arg(model_.displayName()).arg(sheet->itemCount())
              : model_.displayName());
    if (!sheet) {
        list_->setPlainText(model_.isLoading() ? QStringLiteral("…") : QString());
        return;
    }
    QString text;
    for (const auto& group : filterGroups(model_.query(), sheet->groups)) {
        text += group.title + QLatin1Char('\n');
        for (const auto& item : group.items) {
            text += QStringLiteral("    %1\t%2%3\n").arg(item.title, item.modifiers, item.key);
        }
    }
    list_->setPlainText(text);
}

}  // namespace holdsheet
