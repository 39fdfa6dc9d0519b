#include "sheetview/FooterBar.h"

#include "prefs/Localization.h"
#include "ui/CapsuleButton.h"
#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace holdsheet {

namespace {
void connectMenu(CapsuleButton* button, std::function<void(QPoint)> open) {
    QObject::connect(button, &CapsuleButton::clicked, button, [button, open = std::move(open)] {
        if (open) {
            open(button->window()->mapFromGlobal(QCursor::pos()));
        }
    });
}
}  // namespace

FooterBar::FooterBar(const Localization& localization, double scale,
                     std::function<void(QPoint)> openShareMenu,
                     std::function<void(QPoint)> openProgramMenu, QWidget* parent)
    : QWidget(parent),
      share_(new CapsuleButton(QStringLiteral("square.and.arrow.up"),
                               localization.localized(QStringLiteral("share.title")),
                               sheetFont(12.5 * scale, QFont::Medium), QMargins(14, 7, 14, 7),
                               this)),
      gear_(new CapsuleButton(QStringLiteral("gearshape"), QString(),
                              sheetFont(13 * scale, QFont::Medium), QMargins(8, 8, 8, 8), this)) {
    setFixedHeight(fixedHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(26, 0, 26, 0);
    layout->setSpacing(14);

    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    names->addStretch(1);
    names->addWidget(
        new SheetLabel(localization.localized(QStringLiteral("app.name")),
                       sheetFont(11.5 * scale, QFont::DemiBold), SheetLabel::Tone::primary, this),
        0, Qt::AlignLeading);
    names->addWidget(new SheetLabel(localization.localized(QStringLiteral("footer.madeBy")),
                                    sheetFont(10.5 * scale), SheetLabel::Tone::tertiary, this),
                     0, Qt::AlignLeading);
    names->addStretch(1);
    layout->addLayout(names);
    layout->addStretch(1);  // at least 10 with the spacing around it

    auto* legend = new QHBoxLayout;
    legend->setSpacing(14);
    const std::pair<QChar, const char*> entries[] = {{QChar(0x2318), "mod.command"},
                                                     {QChar(0x2325), "mod.option"},
                                                     {QChar(0x2303), "mod.control"},
                                                     {QChar(0x21E7), "mod.shift"}};
    for (const auto& [symbol, key] : entries) {
        auto* entry = new QHBoxLayout;
        entry->setSpacing(4);
        entry->addWidget(new SheetLabel(symbol, sheetFont(11.5 * scale, QFont::DemiBold),
                                        SheetLabel::Tone::secondary, this));
        entry->addWidget(new SheetLabel(localization.localized(QString::fromLatin1(key)),
                                        sheetFont(11.5 * scale), SheetLabel::Tone::secondary,
                                        this));
        legend->addLayout(entry);
    }
    layout->addLayout(legend);
    layout->addStretch(1);

    share_->setAccessibleName(share_->text());
    gear_->setAccessibleName(localization.localized(QStringLiteral("menu.settings")));
    layout->addWidget(share_, 0, Qt::AlignVCenter);
    layout->addWidget(gear_, 0, Qt::AlignVCenter);
    connectMenu(share_, std::move(openShareMenu));
    connectMenu(gear_, std::move(openProgramMenu));
}

}  // namespace holdsheet
