#include "ui/ExtensionCard.h"

#include "permissions/ShellExtension.h"
#include "prefs/Localization.h"
#include "ui/SettingsStyle.h"
#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"
#include "ui/SheetSymbols.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace holdsheet {

ExtensionCard::ExtensionCard(ShellExtension& extension, const Localization& localization,
                             double cornerRadius, QWidget* parent)
    : QWidget(parent),
      extension_(extension),
      localization_(localization),
      cornerRadius_(cornerRadius),
      symbolView_(new QLabel(this)),
      status_(
          new SheetLabel(QString(), bodyFont(QFont::DemiBold), SheetLabel::Tone::primary, this)),
      howTo_(new SheetLabel(QString(), captionFont(), SheetLabel::Tone::secondary, this)),
      enable_(new QPushButton(localization.localized(QStringLiteral("extension.enable")), this)) {
    setObjectName(QStringLiteral("extension"));
    enable_->setObjectName(QStringLiteral("enableExtension"));
    status_->setWordWrap(true);
    howTo_->setWordWrap(true);
    // The command in it is for copying.
    howTo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    symbolView_->setFixedSize(symbolSide, symbolSide);
    // The how-to runs under the button too: it is the longest text and the button short.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(padding, paddingY, padding, paddingY);
    layout->setHorizontalSpacing(spacing);
    layout->setVerticalSpacing(4);
    layout->addWidget(symbolView_, 0, 0, Qt::AlignTop);
    layout->addWidget(status_, 0, 1, Qt::AlignVCenter);
    layout->addWidget(enable_, 0, 2, Qt::AlignTop);
    layout->addWidget(howTo_, 1, 1, 1, 2);
    layout->setColumnStretch(1, 1);
    enable_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    connect(enable_, &QPushButton::clicked, this, [this] { extension_.enable(); });
    connect(&extension_, &ShellExtension::stateChanged, this,
            [this](ShellExtensionState state) { showState(state); });
    showState(extension_.state());
}

void ExtensionCard::showState(ShellExtensionState state) {
    shown_ = state;
    const bool on = state == ShellExtensionState::active;
    symbol_ = on ? QStringLiteral("checkmark.circle.fill")
                 : QStringLiteral("exclamationmark.triangle.fill");
    symbolView_->setPixmap(symbolPixmap(symbol_, symbolSide, on ? statusGreen() : statusOrange(),
                                        devicePixelRatioF()));
    status_->setText(extensionStatusText(localization_, state));
    const QString howTo = extensionHowTo(localization_, state, extension_.loadedUuid());
    howTo_->setText(howTo);
    howTo_->setVisible(!howTo.isEmpty());
    enable_->setVisible(extension_.canEnable());
}

void ExtensionCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), cornerRadius_, cornerRadius_);
    painter.fillPath(shape, withOpacity(primaryText(palette()), boxFillOpacity));
}

}  // namespace holdsheet
