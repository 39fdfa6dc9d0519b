#include "settings/ApplicationChooser.h"

#include "prefs/Localization.h"
#include "ui/SettingsStyle.h"
#include "ui/SheetStyle.h"
#include "ui/SheetSymbols.h"

#include <QCollator>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace holdsheet {

namespace {
constexpr int iconSize = 22;
constexpr int idRole = Qt::UserRole;
}  // namespace

ApplicationChooser::ApplicationChooser(InstalledApplications& applications,
                                       const Localization& localization, QWidget* parent)
    : QDialog(parent),
      applications_(applications.all()),
      search_(new QLineEdit(this)),
      list_(new QListWidget(this)) {
    setWindowTitle(localization.localized(QStringLiteral("settings.excluded.chooserTitle")));
    setLayoutDirection(localization.layoutDirection());
    setModal(true);
    resize(420, 480);

    QCollator collator(localization.appLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(applications_.begin(), applications_.end(),
                     [&collator](const InstalledApplication& a, const InstalledApplication& b) {
                         return collator.compare(a.name, b.name) < 0;
                     });

    search_->setPlaceholderText(localization.localized(QStringLiteral("settings.excluded.search")));
    search_->setAccessibleName(search_->placeholderText());
    search_->setClearButtonEnabled(true);
    search_->setFont(bodyFont());
    list_->setIconSize(QSize(iconSize, iconSize));
    list_->setFont(bodyFont());
    list_->setUniformItemSizes(true);
    const QIcon placeholder(symbolPixmap(QStringLiteral("app.dashed"), iconSize,
                                         secondaryText(palette()), devicePixelRatioF()));
    for (const InstalledApplication& application : applications_) {
        auto* item = new QListWidgetItem(
            application.icon.isNull() ? placeholder : application.icon,
            application.name.isEmpty() ? application.desktopId : application.name, list_);
        item->setData(idRole, application.applicationId());
        item->setToolTip(application.desktopId);
    }

    auto* buttons = new QDialogButtonBox(this);
    choose_ = buttons->addButton(localization.localized(QStringLiteral("settings.excluded.choose")),
                                 QDialogButtonBox::AcceptRole);
    buttons->addButton(localization.localized(QStringLiteral("settings.excluded.cancel")),
                       QDialogButtonBox::RejectRole);
    choose_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) { filter(text); });
    connect(list_, &QListWidget::currentItemChanged, this,
            [this] { choose_->setEnabled(selectedId().has_value()); });
    connect(list_, &QListWidget::itemActivated, this, [this] { accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    filter({});
    search_->setFocus();
}

void ApplicationChooser::filter(const QString& text) {
    const QString wanted = text.trimmed();
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        const auto& application = applications_[static_cast<std::size_t>(i)];
        const bool shown = wanted.isEmpty() ||
                           application.name.contains(wanted, Qt::CaseInsensitive) ||
                           application.desktopId.contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !first) {
            first = item;
        }
    }
    // The best match is ready to take with Return.
    list_->setCurrentItem(first);
    choose_->setEnabled(first != nullptr);
}

std::optional<QString> ApplicationChooser::selectedId() const {
    const QListWidgetItem* item = list_->currentItem();
    if (!item || item->isHidden()) {
        return std::nullopt;
    }
    return item->data(idRole).toString();
}

QStringList ApplicationChooser::shownNames() const {
    QStringList names;
    for (int i = 0; i < list_->count(); ++i) {
        if (!list_->item(i)->isHidden()) {
            names << list_->item(i)->text();
        }
    }
    return names;
}

std::optional<QString> ApplicationChooser::choose() {
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return selectedId();
}

}  // namespace holdsheet
