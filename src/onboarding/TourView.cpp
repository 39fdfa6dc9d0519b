#include "onboarding/TourView.h"

#include "brand/BrandMark.h"
#include "onboarding/CardScroller.h"
#include "onboarding/FeatureCard.h"
#include "onboarding/TourFeatures.h"
#include "prefs/HoldKeyTexts.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "sheetview/SheetLayout.h"
#include "ui/CapsuleTextButton.h"
#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace holdsheet {

namespace {
constexpr int sideMargin = 30;
constexpr int scrollerInset = 6;
constexpr int markSide = 68;
constexpr int minimumGap = 12;  // between the cards and the footer
constexpr int doneMinimumWidth = 90;

void call(const std::function<void()>& action) {
    if (action) {
        action();
    }
}
}  // namespace

TourView::TourView(PreferenceStore& store, const Localization& localization, bool translucent,
                   std::function<void()> onSettings, std::function<void()> onDone, QWidget* parent)
    : QWidget(parent),
      store_(store),
      localization_(localization),
      translucent_(translucent),
      onSettings_(std::move(onSettings)),
      onDone_(std::move(onDone)) {
    setFixedSize(fixedWidth, fixedHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    build();
    subscription_ = store_.observe([this] { preferencesChanged(); });
}

TourView::~TourView() = default;

TourView::Shown TourView::shownNow() const {
    const Preferences preferences(store_);
    return {preferences.language(), preferences.textSize(), preferences.holdKey()};
}

PanelBackground TourView::background() const {
    return PanelBackground(material_, glassAmount_, isDarkPalette(palette()), cornerRadius);
}

void TourView::preferencesChanged() {
    if (shownNow() != shown_) {
        build();
    }
    const Preferences preferences(store_);
    material_ = preferences.material();
    glassAmount_ = preferences.glassAmount();
    update();
}

void TourView::build() {
    const Preferences preferences(store_);
    shown_ = shownNow();
    scale_ = textSizeFactor(shown_.textSize);
    material_ = preferences.material();
    glassAmount_ = preferences.glassAmount();
    setLayoutDirection(localization_.layoutDirection());

    delete body_;  // nothing of the old texts survives
    body_ = new QWidget(this);
    auto* stack = new QVBoxLayout(body_);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->addLayout(buildHeader(body_));
    stack->addLayout(buildCards(body_), 1);
    stack->addSpacing(minimumGap);
    stack->addLayout(buildFooter(body_));
    layout()->addWidget(body_);
    body_->show();
    done_->setFocus();
}

QLayout* TourView::buildHeader(QWidget* body) {
    auto* header = new QHBoxLayout;
    header->setContentsMargins(sideMargin, 30, sideMargin, 22);
    header->setSpacing(18);
    header->addWidget(new BrandMark(markSide, {}, body), 0, Qt::AlignVCenter);
    title_ = new SheetLabel(localization_.localized(QStringLiteral("tour.title")),
                            sheetFont(30 * scale_, QFont::Bold), SheetLabel::Tone::primary, body);
    subtitle_ = new SheetLabel(
        holdKeyText(localization_, QStringLiteral("welcome.subtitle"), shown_.holdKey),
        sheetFont(14 * scale_), SheetLabel::Tone::secondary, body);
    auto* names = new QVBoxLayout;
    names->setSpacing(4);
    names->addStretch(1);  // centred against the mark
    for (SheetLabel* label : {title_, subtitle_}) {
        label->setWordWrap(true);
        names->addWidget(label);
    }
    names->addStretch(1);
    // The names take the rest of the width, so a long title wraps rather than runs out.
    header->addLayout(names, 1);
    return header;
}

QLayout* TourView::buildCards(QWidget* body) {
    grid_ = new CardGrid(tourFeatures(localization_, shown_.holdKey), scale_);
    // Where a language's texts outgrow the window, the cards scroll rather than be cut; the
    // bar then stands in the side margin, clear of the window's edge.
    scroller_ = new CardScroller(grid_, sideMargin - scrollerInset, body);
    auto* area = new QHBoxLayout;
    area->setContentsMargins(scrollerInset, 0, scrollerInset, 0);
    area->addWidget(scroller_);
    return area;
}

QLayout* TourView::buildFooter(QWidget* body) {
    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(sideMargin, 0, sideMargin, 26);
    settings_ =
        new CapsuleTextButton(localization_.localized(QStringLiteral("welcome.openSettings")),
                              CapsuleTextButton::Style::plain, body);
    settings_->setObjectName(QStringLiteral("settings"));
    connect(settings_, &QPushButton::clicked, this, [this] { call(onSettings_); });

    done_ = new CapsuleTextButton(localization_.localized(QStringLiteral("welcome.done")),
                                  CapsuleTextButton::Style::prominent, body);
    done_->setObjectName(QStringLiteral("done"));
    done_->setDefault(true);
    done_->setMinimumWidth(doneMinimumWidth);
    connect(done_, &QPushButton::clicked, this, [this] { call(onDone_); });

    footer->addWidget(settings_, 0, Qt::AlignVCenter);
    footer->addStretch(1);
    footer->addWidget(done_, 0, Qt::AlignVCenter);
    return footer;
}

void TourView::keyPressEvent(QKeyEvent* event) {
    // Return presses the default button wherever the focus is, as in a dialog.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        done_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TourView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const PanelBackground backdrop = background();
    const QRectF shape(rect());
    backdrop.paintBehind(painter, shape, palette(), !translucent_);
    // No content reaches the edge, so the outline can go down before it.
    backdrop.paintOver(painter, shape, palette());
}

}  // namespace holdsheet
