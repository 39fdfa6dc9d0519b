#include "settings/AboutSettings.h"

#include "brand/BrandMark.h"
#include "platform/ProcessRunner.h"
#include "prefs/Localization.h"
#include "settings/FormDivider.h"
#include "settings/LinkButton.h"
#include "settings/VersionText.h"
#include "ui/NoticeLayout.h"
#include "ui/SettingsStyle.h"
#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"

#include <QVBoxLayout>

namespace holdsheet {

namespace {

// The address as people write it: without the scheme and a closing slash.
QString shownAddress(const QString& address) {
    QString shown = address;
    if (const qsizetype scheme = shown.indexOf(QLatin1String("://")); scheme > 0) {
        shown.remove(0, scheme + 3);
    }
    while (shown.endsWith(QLatin1Char('/'))) {
        shown.chop(1);
    }
    return shown;
}

SheetLabel* paragraph(const QString& text, const QFont& font, SheetLabel::Tone tone,
                      QWidget* parent) {
    auto* label = new SheetLabel(text, font, tone, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setMaximumWidth(AboutSettings::textWidth);
    return label;
}

}  // namespace

AboutSettings::AboutSettings(SettingsServices services, QWidget* parent) : QWidget(parent) {
    const Localization& text = services.localization;
    const QString name = text.localized(QStringLiteral("app.name"));
    mark_ = new BrandMark(markSize, {}, this);
    auto* title = new SheetLabel(name, sheetFont(28, QFont::Bold), SheetLabel::Tone::primary, this);
    version_ = new SheetLabel(
        text.localized(QStringLiteral("about.version")).arg(versionText(services.version)),
        bodyFont(), SheetLabel::Tone::secondary, this);
    auto* tagline = paragraph(text.localized(QStringLiteral("about.tagline")), bodyFont(),
                              SheetLabel::Tone::primary, this);
    tagline->setContentsMargins(0, 6, 0, 0);
    auto* privacy = paragraph(text.localized(QStringLiteral("about.privacy")).arg(name),
                              calloutFont(), SheetLabel::Tone::secondary, this);
    auto* madeBy = new SheetLabel(text.localized(QStringLiteral("about.madeBy")),
                                  bodyFont(QFont::Medium), SheetLabel::Tone::primary, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addWidget(mark_, 0, Qt::AlignHCenter);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(version_, 0, Qt::AlignHCenter);
    layout->addWidget(tagline, 0, Qt::AlignHCenter);
    layout->addWidget(privacy, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(new FormDivider(this, dividerWidth), 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(madeBy, 0, Qt::AlignHCenter);
    const QString address = services.version.homePage.trimmed();
    if (!address.isEmpty()) {
        homePage_ = new LinkButton(shownAddress(address), bodyFont(), this);
        connect(homePage_, &QAbstractButton::clicked, this,
                [&runner = services.runner, address] { runner.openUrl(address); });
        layout->addWidget(homePage_, 0, Qt::AlignHCenter);
    }
}

}  // namespace holdsheet
