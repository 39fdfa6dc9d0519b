#include "sheetview/PermissionNotice.h"

#include "prefs/Localization.h"
#include "ui/NoticeLayout.h"
#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"
#include "ui/SheetSymbols.h"

#include <QPushButton>

namespace holdsheet {

PermissionNotice::PermissionNotice(const Localization& localization, std::function<void()> onOpen,
                                   QWidget* parent)
    : QWidget(parent),
      title_(new SheetLabel(localization.localized(QStringLiteral("perm.title")), headlineFont(),
                            SheetLabel::Tone::primary, this)),
      body_(new SheetLabel(localization.localized(QStringLiteral("perm.body"))
                               .arg(localization.localized(QStringLiteral("app.name"))),
                           calloutFont(), SheetLabel::Tone::secondary, this)),
      button_(new QPushButton(localization.localized(QStringLiteral("perm.open")), this)) {
    auto* symbol = new SymbolView(QStringLiteral("lock.shield"), 34, secondaryOpacity, this);
    // The prominent style: the accent colour behind the button's text.
    QPalette prominent = button_->palette();
    prominent.setColor(QPalette::Button, accentColour(prominent));
    prominent.setColor(QPalette::ButtonText, prominent.color(QPalette::HighlightedText));
    button_->setPalette(prominent);
    button_->setDefault(true);
    connect(button_, &QPushButton::clicked, this, [onOpen = std::move(onOpen)] {
        if (onOpen) {
            onOpen();
        }
    });
    layOutNotice(*this, {symbol, title_, body_, button_}, 12, 420);
}

}  // namespace holdsheet
