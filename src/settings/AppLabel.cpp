#include "settings/AppLabel.h"

#include "platform/InstalledApplications.h"
#include "ui/SettingsStyle.h"
#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"
#include "ui/SheetSymbols.h"

#include <QHBoxLayout>
#include <QLabel>

namespace holdsheet {

AppLabel::AppLabel(const QString& id, InstalledApplications& applications, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    const auto application = applications.find(id);
    found_ = application.has_value();
    QWidget* icon = nullptr;
    if (application && !application->icon.isNull()) {
        auto* image = new QLabel(this);
        image->setFixedSize(iconSize, iconSize);
        image->setPixmap(application->icon.pixmap(QSize(iconSize, iconSize), devicePixelRatioF()));
        icon = image;
    } else {
        icon = new SymbolView(QStringLiteral("app.dashed"), iconSize, secondaryOpacity, this);
    }
    const QString shown = application && !application->name.isEmpty() ? application->name : id;
    name_ = new SheetLabel(shown, bodyFont(), SheetLabel::Tone::primary, this);
    name_->setToolTip(id);
    layout->addWidget(icon, 0, Qt::AlignVCenter);
    layout->addWidget(name_, 1, Qt::AlignVCenter);
}

}  // namespace holdsheet
