#include "settings/PermissionCard.h"

#include "permissions/PermissionMonitor.h"
#include "prefs/Localization.h"
#include "settings/Hint.h"
#include "settings/LinkButton.h"
#include "settings/StatusSymbol.h"
#include "ui/SettingsStyle.h"
#include "ui/SheetStyle.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace holdsheet {

PermissionCard::PermissionCard(PermissionMonitor& permission, const Localization& localization,
                               QWidget* parent)
    : QWidget(parent),
      localization_(localization),
      symbol_(new StatusSymbol(22, this)),
      status_(
          new SheetLabel(QString(), bodyFont(QFont::DemiBold), SheetLabel::Tone::primary, this)),
      body_(new Hint(localization.localized(QStringLiteral("perm.body"))
                         .arg(localization.localized(QStringLiteral("app.name"))),
                     this)),
      link_(new LinkButton(localization.localized(QStringLiteral("perm.inputMonitoring")),
                           captionFont(), this)),
      button_(new QPushButton(localization.localized(QStringLiteral("perm.open")), this)) {
    status_->setWordWrap(true);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->addWidget(status_);
    texts->addWidget(body_);
    texts->addWidget(link_, 0, Qt::AlignLeading);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(spacing);
    layout->addWidget(symbol_, 0, Qt::AlignTop);
    layout->addLayout(texts, 1);
    layout->addSpacing(minimumGap);
    layout->addWidget(button_, 0, Qt::AlignTop);
    button_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    // On this desktop both lead where the panel's notice leads: the accessibility switch.
    connect(link_, &QAbstractButton::clicked, this,
            [&permission] { permission.openInputMonitoringSettings(); });
    connect(button_, &QAbstractButton::clicked, this, [&permission] { permission.request(); });
    connect(&permission, &PermissionMonitor::trustedChanged, this,
            [this](bool trusted) { showPermission(trusted); });
    showPermission(permission.trusted());
}

void PermissionCard::showPermission(bool trusted) {
    shownTrusted_ = trusted;
    symbol_->setSymbol(trusted ? QStringLiteral("checkmark.circle.fill")
                               : QStringLiteral("exclamationmark.triangle.fill"),
                       trusted ? statusGreen() : statusOrange());
    status_->setText(localization_.localized(trusted ? QStringLiteral("perm.status.ok")
                                                     : QStringLiteral("perm.status.missing")));
    body_->setVisible(!trusted);
    button_->setVisible(!trusted);
}

void PermissionCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.fillPath(shape, withOpacity(primaryText(palette()), boxFillOpacity));
}

}  // namespace holdsheet
