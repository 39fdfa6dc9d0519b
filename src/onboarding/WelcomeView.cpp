#include "onboarding/WelcomeView.h"

#include "prefs/Localization.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace holdsheet {

WelcomeView::WelcomeView(const Localization& localization, std::function<void()> onDone,
                         QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 32, 32, 24);
    layout->addWidget(new QLabel(localization.localized(QStringLiteral("welcome.title"))
                                     .arg(localization.localized(QStringLiteral("app.name"))),
                                 this));
    auto* done = new QPushButton(localization.localized(QStringLiteral("welcome.done")), this);
    done->setObjectName(QStringLiteral("done"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, [onDone = std::move(onDone)] {
        if (onDone) {
            onDone();
        }
    });
    layout->addWidget(done, 0, Qt::AlignRight);
}

}  // namespace holdsheet
