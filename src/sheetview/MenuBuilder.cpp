#include "sheetview/MenuBuilder.h"

#include <QCursor>
#include <QMenu>

namespace holdsheet {

MenuBuilder::MenuBuilder(Scheduler& scheduler, PanelMenus menus,
                         std::function<QString(const QString&)> localized,
                         std::function<QIcon(const QString&)> symbolIcon)
    : scheduler_(scheduler),
      menus_(std::move(menus)),
      localized_(std::move(localized)),
      symbolIcon_(std::move(symbolIcon)) {}

std::unique_ptr<QMenu> MenuBuilder::build(const std::vector<Entry>& entries) {
    auto menu = std::make_unique<QMenu>();
    for (const Entry& entry : entries) {
        const auto* item = std::get_if<Item>(&entry);
        if (!item) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(item->title);
        action->setData(actionCount());
        QIcon icon = item->icon;
        if (icon.isNull() && symbolIcon_) {
            icon = symbolIcon_(item->symbol);
        }
        action->setIcon(icon);
        QObject::connect(action, &QAction::triggered, menu.get(), [this, action] {
            scheduler_.post([this, alive = std::weak_ptr<int>(lifetime_), tag = tagOf(*action)] {
                if (!alive.expired()) {
                    run(tag);
                }
            });
        });
        actions_.push_back(item->action);
    }
    return menu;
}

QMenu* MenuBuilder::popUp(const std::vector<Entry>& entries, QWidget* view) {
    if (!view) {
        return nullptr;
    }
    return show(build(entries), view, QCursor::pos());
}

QMenu* MenuBuilder::popUp(const std::vector<Entry>& entries, QWidget* view, const QRect& anchor) {
    if (!view) {
        return nullptr;
    }
    auto menu = build(entries);
    const int height = menu->sizeHint().height();
    return show(std::move(menu), view, view->mapToGlobal(anchor.topLeft() - QPoint(0, height)));
}

QMenu* MenuBuilder::show(std::unique_ptr<QMenu> menu, QWidget* view, const QPoint& globalTopLeft) {
    // The view owns it while it shows; it goes once closed, after the chosen action ran.
    QMenu* shown = menu.release();
    shown->setParent(view, shown->windowFlags());
    QObject::connect(shown, &QMenu::aboutToHide, shown, &QObject::deleteLater);
    if (menus_.menuGone) {
        QObject::connect(shown, &QObject::destroyed, [gone = menus_.menuGone] { gone(); });
    }
    shown->popup(globalTopLeft);
    return shown;
}

int MenuBuilder::tagOf(const QAction& item) {
    bool isNumber = false;
    const int tag = item.data().toInt(&isNumber);
    return isNumber ? tag : -1;
}

void MenuBuilder::fire(const QAction& item) {
    run(tagOf(item));
}

void MenuBuilder::run(int tag) {
    if (tag < 0 || tag >= actionCount()) {
        return;
    }
    // A copy: the action may pop up another menu, which grows the list under it.
    const std::function<void()> action = actions_[static_cast<std::size_t>(tag)];
    if (action) {
        action();
    }
}

std::vector<MenuBuilder::Entry> MenuBuilder::shareEntries() const {
    return {
        Item{localized_(QStringLiteral("share.print")), QStringLiteral("printer"),
             menus_.printSheet},
        Item{localized_(QStringLiteral("share.share")), QStringLiteral("square.and.arrow.up"),
             menus_.shareSheet},
        Item{localized_(QStringLiteral("share.savePDF")), QStringLiteral("arrow.down.doc"),
             menus_.savePDF},
    };
}

std::vector<MenuBuilder::Entry> MenuBuilder::panelEntries() const {
    return {
        Item{localized_(QStringLiteral("menu.settings")), QStringLiteral("gearshape"),
             menus_.showSettings},
        Separator{},
        Item{localized_(QStringLiteral("menu.quit")), QStringLiteral("power"), menus_.quit},
    };
}

QMenu* MenuBuilder::showShareMenu() {
    return popUp(shareEntries(), menus_.contentView ? menus_.contentView() : nullptr);
}

QMenu* MenuBuilder::showPanelMenu() {
    return popUp(panelEntries(), menus_.contentView ? menus_.contentView() : nullptr);
}

}  // namespace holdsheet
