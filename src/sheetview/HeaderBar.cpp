#include "sheetview/HeaderBar.h"

#include "panel/SheetModel.h"
#include "prefs/Localization.h"
#include "sheetview/SearchField.h"
#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace holdsheet {

HeaderBar::HeaderBar(SheetModel& model, const Localization& localization, double scale,
                     QWidget* parent)
    : QWidget(parent),
      model_(model),
      localization_(localization),
      icon_(new QLabel(this)),
      name_(new SheetLabel(QString(), sheetFont(17 * scale, QFont::DemiBold),
                           SheetLabel::Tone::primary, this)),
      count_(new SheetLabel(QString(), sheetFont(11.5 * scale), SheetLabel::Tone::secondary, this)),
      search_(new SearchField(localization, scale, this)) {
    setFixedHeight(fixedHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(26, 0, 26, 0);
    layout->setSpacing(12);
    icon_->setFixedSize(iconSide, iconSide);
    icon_->setScaledContents(true);
    layout->addWidget(icon_, 0, Qt::AlignVCenter);
    auto* names = new QVBoxLayout;
    names->setSpacing(1);
    names->addStretch(1);
    names->addWidget(name_, 0, Qt::AlignLeading);
    names->addWidget(count_, 0, Qt::AlignLeading);
    names->addStretch(1);
    layout->addLayout(names);
    layout->addStretch(1);
    layout->addWidget(search_, 0, Qt::AlignVCenter);

    search_->setText(model_.query());
    connect(search_, &SearchField::textEdited, &model_, [this](const QString& text) {
        if (text != model_.query()) {
            model_.setQuery(text);
        }
    });
    connect(&model_, &SheetModel::queryChanged, this,
            [this](const QString& query) { search_->setText(query); });
    connect(&model_, &SheetModel::sheetChanged, this, [this] { refresh(); });
    connect(&model_, &SheetModel::appNameChanged, this, [this] { refresh(); });
    connect(&model_, &SheetModel::appIconChanged, this, [this] { refresh(); });
    refresh();
}

void HeaderBar::refresh() {
    const QImage& image = model_.appIcon();
    icon_->setVisible(!image.isNull());
    if (!image.isNull()) {
        icon_->setPixmap(QPixmap::fromImage(image));
    }
    name_->setElidedText(model_.displayName());
    const auto& sheet = model_.sheet();
    count_->setVisible(sheet.has_value());
    if (sheet) {
        count_->setText(
            localization_.localized(QStringLiteral("header.count"), sheet->itemCount()));
    }
}

}  // namespace holdsheet
