#include "onboarding/TourView.h"

#include "prefs/Localization.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace holdsheet {

namespace {
constexpr double cornerRadius = 16;
}  // namespace

TourView::TourView(const Localization& localization, std::function<void()> onSettings,
                   std::function<void()> onDone, QWidget* parent)
    : QWidget(parent), onDone_(std::move(onDone)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 40, 40, 32);
    auto* title = new QLabel(localization.localized(QStringLiteral("tour.title")), this);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    auto* settings =
        new QPushButton(localization.localized(QStringLiteral("welcome.openSettings")), this);
    settings->setObjectName(QStringLiteral("settings"));
    connect(settings, &QPushButton::clicked, this, [onSettings = std::move(onSettings)] {
        if (onSettings) {
            onSettings();
        }
    });
    auto* done = new QPushButton(localization.localized(QStringLiteral("welcome.done")), this);
    done->setObjectName(QStringLiteral("done"));
    done->setDefault(true);
    done->setMinimumWidth(90);
    connect(done, &QPushButton::clicked, this, [this] {
        if (onDone_) {
            onDone_();
        }
    });
    buttons->addWidget(settings);
    buttons->addStretch();
    buttons->addWidget(done);
    layout->addLayout(buttons);
}

void TourView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onDone_) {
        onDone_();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TourView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().window());
    painter.drawRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
}

}  // namespace holdsheet
