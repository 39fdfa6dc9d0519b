#include "onboarding/WelcomeView.h"

#include "brand/BrandMark.h"
#include "onboarding/RoundedBox.h"
#include "onboarding/StepRow.h"
#include "permissions/PermissionMonitor.h"
#include "permissions/ShellExtension.h"
#include "prefs/HoldKeyTexts.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "ui/BusyIndicator.h"
#include "ui/CapsuleTextButton.h"
#include "ui/ExtensionCard.h"
#include "ui/RetireWidget.h"
#include "ui/SettingsStyle.h"
#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"
#include "ui/SheetSymbols.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace holdsheet {

namespace {
constexpr int stepsSpacing = 10;
constexpr int stepsPadding = 16;
constexpr double stepsCornerRadius = 14;
constexpr int waitingSpacing = 8;
constexpr int spinnerSide = 16;
constexpr int readyButtonsSpacing = 12;
constexpr int readySymbolSide = 16;

SheetLabel* centredText(const QString& text, const QFont& font, SheetLabel::Tone tone,
                        QWidget* parent) {
    auto* label = new SheetLabel(text, font, tone, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setMaximumWidth(WelcomeView::viewWidth - 2 * WelcomeView::paddingX);
    return label;
}

QVBoxLayout* column(QWidget* owner, int spacing) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}
}  // namespace

WelcomeView::WelcomeView(Services services, std::function<void()> onDone,
                         std::function<void()> showSettings, QWidget* parent)
    : QWidget(parent),
      services_(services),
      onDone_(std::move(onDone)),
      showSettings_(std::move(showSettings)),
      extensionAsked_(services_.extension.wanted()) {
    column(this, 0);
    build();
    connect(&services_.permission, &PermissionMonitor::trustedChanged, this,
            [this](bool trusted) { showBlock(trusted); });
    connect(&services_.extension, &ShellExtension::stateChanged, this, [this] {
        extensionAsked_ = extensionAsked_ || services_.extension.wanted();
        showExtension();
    });
    subscription_ = services_.store.observe([this] {
        const Preferences preferences(services_.store);
        if (preferences.language() != language_ ||
            static_cast<int>(preferences.holdKey()) != holdKey_) {
            build();
        }
    });
}

WelcomeView::~WelcomeView() = default;

QString WelcomeView::localized(const char* key) const {
    return services_.localization.localized(QString::fromLatin1(key));
}

void WelcomeView::build() {
    const Preferences preferences(services_.store);
    language_ = preferences.language();
    holdKey_ = static_cast<int>(preferences.holdKey());
    setLayoutDirection(services_.localization.layoutDirection());
    retireWidget(stack_);  // nothing of the old language stays
    block_ = nullptr;

    stack_ = new QWidget(this);
    stack_->setFixedWidth(viewWidth);
    auto* stack = column(stack_, spacing);
    stack->setContentsMargins(paddingX, paddingY, paddingX, paddingY);
    const QString appName = localized("app.name");
    auto* mark = new BrandMark(markSide, {}, stack_);
    title_ = centredText(localized("welcome.title").arg(appName), sheetFont(28, QFont::Bold),
                         SheetLabel::Tone::primary, stack_);
    subtitle_ = centredText(holdKeyText(services_.localization, QStringLiteral("welcome.subtitle"),
                                        preferences.holdKey()),
                            sheetFont(15), SheetLabel::Tone::secondary, stack_);
    stack->addSpacing(8);
    stack->addWidget(mark, 0, Qt::AlignHCenter);
    stack->addWidget(title_, 0, Qt::AlignHCenter);
    stack->addWidget(subtitle_, 0, Qt::AlignHCenter);
    extension_ =
        new ExtensionCard(services_.extension, services_.localization, stepsCornerRadius, stack_);
    stack->addWidget(extension_);
    showExtension();
    layout()->addWidget(stack_);
    showBlock(services_.permission.trusted());
    stack_->show();
}

void WelcomeView::showBlock(bool trusted) {
    if (block_ && trusted == ready_) {
        return;
    }
    ready_ = trusted;
    retireWidget(block_);
    grant_ = openSettings_ = done_ = nullptr;
    block_ = trusted ? permissionHeldBlock() : missingPermissionBlock();
    static_cast<QVBoxLayout*>(stack_->layout())->addWidget(block_);
    block_->show();
    if (QPushButton* lead = trusted ? done_ : grant_) {
        lead->setDefault(true);
        lead->setFocus();
    }
}

void WelcomeView::showExtension() {
    extension_->setVisible(extensionAsked_ &&
                           services_.extension.state() != ShellExtensionState::notNeeded);
}

QWidget* WelcomeView::missingPermissionBlock() {
    auto* block = new QWidget(stack_);
    auto* layout = column(block, spacing);

    auto* steps = new RoundedBox(stepsCornerRadius, block);
    auto* stepsLayout = column(steps, stepsSpacing);
    stepsLayout->setContentsMargins(stepsPadding, stepsPadding, stepsPadding, stepsPadding);
    const QString appName = localized("app.name");
    const QString texts[] = {localized("welcome.step1"), localized("welcome.step2").arg(appName),
                             localized("welcome.step3")};
    const QLocale locale = services_.localization.appLocale();
    for (qlonglong number = 1; const QString& text : texts) {
        stepsLayout->addWidget(new StepRow(locale.toString(number++), text, steps));
    }
    layout->addWidget(steps);

    grant_ = new CapsuleTextButton(localized("welcome.grant"), CapsuleTextButton::Style::prominent,
                                   block);
    grant_->setMinimumWidth(grantMinimumWidth);
    grant_->setObjectName(QStringLiteral("grant"));
    connect(grant_, &QPushButton::clicked, this, [this] { services_.permission.request(); });
    layout->addWidget(grant_, 0, Qt::AlignHCenter);

    // Shown throughout: whether the button was pressed is not tracked.
    auto* waiting = new QWidget(block);
    waiting->setObjectName(QStringLiteral("waiting"));
    auto* waitingRow = new QHBoxLayout(waiting);
    waitingRow->setContentsMargins(0, 0, 0, 0);
    waitingRow->setSpacing(waitingSpacing);
    waitingRow->addWidget(new BusyIndicator(spinnerSide, waiting), 0, Qt::AlignVCenter);
    waitingRow->addWidget(new SheetLabel(localized("welcome.waiting"), sheetFont(12),
                                         SheetLabel::Tone::secondary, waiting),
                          0, Qt::AlignVCenter);
    layout->addWidget(waiting, 0, Qt::AlignHCenter);

    layout->addWidget(
        centredText(localized("welcome.privacy"), captionFont(), SheetLabel::Tone::tertiary, block),
        0, Qt::AlignHCenter);
    return block;
}

QWidget* WelcomeView::permissionHeldBlock() {
    auto* block = new QWidget(stack_);
    auto* layout = column(block, spacing);

    auto* ready = new QWidget(block);
    ready->setObjectName(QStringLiteral("ready"));
    auto* readyRow = new QHBoxLayout(ready);
    readyRow->setContentsMargins(0, 0, 0, 0);
    readyRow->setSpacing(6);
    auto* seal = new QLabel(ready);
    seal->setPixmap(
        symbolIcon(QStringLiteral("checkmark.seal.fill"), readySymbolSide, statusGreen())
            .pixmap(readySymbolSide, readySymbolSide));
    auto* readyText = new QLabel(localized("welcome.ready"), ready);
    readyText->setFont(bodyFont(QFont::DemiBold));
    QPalette green = readyText->palette();
    green.setColor(QPalette::WindowText, statusGreen());
    readyText->setPalette(green);
    readyRow->addWidget(seal, 0, Qt::AlignVCenter);
    readyRow->addWidget(readyText, 0, Qt::AlignVCenter);
    layout->addWidget(ready, 0, Qt::AlignHCenter);

    const Preferences preferences(services_.store);
    layout->addWidget(
        centredText(holdKeyText(services_.localization, QStringLiteral("welcome.howto"),
                                preferences.holdKey()),
                    bodyFont(), SheetLabel::Tone::primary, block),
        0, Qt::AlignHCenter);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(readyButtonsSpacing);
    openSettings_ = new CapsuleTextButton(localized("welcome.openSettings"),
                                          CapsuleTextButton::Style::plain, block);
    openSettings_->setObjectName(QStringLiteral("openSettings"));
    done_ = new CapsuleTextButton(localized("welcome.done"), CapsuleTextButton::Style::prominent,
                                  block);
    done_->setObjectName(QStringLiteral("done"));
    connect(openSettings_, &QPushButton::clicked, this, [this] { finish(true); });
    connect(done_, &QPushButton::clicked, this, [this] { finish(false); });
    buttons->addWidget(openSettings_, 0, Qt::AlignVCenter);
    buttons->addWidget(done_, 0, Qt::AlignVCenter);
    layout->addLayout(buttons);
    layout->setAlignment(buttons, Qt::AlignHCenter);
    return block;
}

void WelcomeView::finish(bool thenSettings) {
    // Both may end this view's window; what they need is copied first.
    const auto onDone = onDone_;
    const auto showSettings = showSettings_;
    if (onDone) {
        onDone();
    }
    if (thenSettings && showSettings) {
        showSettings();
    }
}

}  // namespace holdsheet
