#include "app/StatusMenu.h"

#include "brand/BrandArt.h"

#include "prefs/Localization.h"
#include "prefs/Preferences.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

namespace holdsheet {

namespace {

QIcon symbol() {
    // Installed, the symbol goes by its theme name, so that the desktop can colour it like
    // its own symbolic icons; the drawing in the resources stands in until then.
    return QIcon::fromTheme(QStringLiteral("org.holdsheet.Holdsheet-symbolic"),
                            QIcon(menuBarIconPath()));
}

// A menu takes '&' for a mnemonic marker; translated titles mean it literally.
QString menuTitle(const QString& text) {
    return QString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace

StatusMenu::StatusMenu(PreferenceStore& store, const Localization& localization, Actions actions)
    : store_(store),
      localization_(localization),
      actions_(std::move(actions)),
      item_(std::make_unique<QSystemTrayIcon>(symbol())) {
    rebuild();
    item_->setVisible(Preferences(store_).showMenuBarIcon());
    subscription_ = store_.observe([this] {
        // Changes may be reported on another thread; the item belongs to the main thread.
        QMetaObject::invokeMethod(item_.get(), [this] { follow(); });
    });
}

StatusMenu::~StatusMenu() = default;

bool StatusMenu::present() const {
    return item_->isVisible();
}

void StatusMenu::follow() {
    const Preferences preferences(store_);
    if (preferences.language() != language_) {
        rebuild();
    }
    item_->setVisible(preferences.showMenuBarIcon());
}

void StatusMenu::rebuild() {
    language_ = Preferences(store_).language();
    auto menu = std::make_unique<QMenu>();
    const auto entry = [&](const char* key, const std::function<void()>& action) {
        QObject::connect(menu->addAction(menuTitle(localization_.localized(key))),
                         &QAction::triggered, menu.get(), [action] {
                             if (action) {
                                 action();
                             }
                         });
    };
    entry("menu.show", actions_.show);
    entry("menu.settings", actions_.settings);
    menu->addSeparator();
    entry("menu.quit", actions_.quit);
    item_->setToolTip(localization_.localized(QStringLiteral("app.name")));
    item_->setContextMenu(menu.get());
    menu_ = std::move(menu);  // the previous menu goes once the item has let go of it
}

}  // namespace holdsheet
