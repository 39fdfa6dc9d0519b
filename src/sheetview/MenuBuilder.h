#pragma once

#include "platform/Scheduler.h"

#include <QIcon>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <variant>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace holdsheet {

// Pops up small menus over the panel from entries that carry their actions: the share menu
// (print, share, save as PDF) and the program menu (settings, quit).
//
// Every action ever attached stays in one list that only grows, and an item's tag is its
// action's index there; so a tag read from any menu, however old, names the action it was
// built with. A chosen item's action runs at the main thread's next turn, once the menu has
// closed: an action may open a modal dialog, pop up another menu, or tear the panel and the
// menu with it down.
class MenuBuilder {
  public:
    struct Item {
        QString title;   // already localised
        QString symbol;  // a symbol of the sheet's set ("printer", "gearshape")
        std::function<void()> action;
        QIcon icon = {};  // shown instead of the symbol when set: an application's own icon
    };
    struct Separator {};
    using Entry = std::variant<Item, Separator>;

    // What the two menus of the panel run, and the view they pop up in.
    struct PanelMenus {
        std::function<QWidget*()> contentView;  // null while the panel has none
        std::function<void()> printSheet;
        std::function<void()> shareSheet;
        std::function<void()> savePDF;
        std::function<void()> showSettings;
        std::function<void()> quit;
        // Runs once a menu shown by popUp is gone: a menu holds the keyboard while it is
        // open, and the panel takes it back.
        std::function<void()> menuGone = {};
    };

    // `symbolIcon` draws a symbol for a menu; `localized` looks a title up when a menu is built.
    MenuBuilder(Scheduler& scheduler, PanelMenus menus,
                std::function<QString(const QString&)> localized,
                std::function<QIcon(const QString&)> symbolIcon);
    MenuBuilder(const MenuBuilder&) = delete;
    MenuBuilder& operator=(const MenuBuilder&) = delete;

    // A menu of the entries, their actions attached; it is not shown.
    std::unique_ptr<QMenu> build(const std::vector<Entry>& entries);
    // Builds the menu and shows it at the pointer, over `view`; it goes when it closes. Null,
    // with nothing attached, when there is no view.
    QMenu* popUp(const std::vector<Entry>& entries, QWidget* view);
    // The same, opening upwards from `anchor` (in the view's coordinates).
    QMenu* popUp(const std::vector<Entry>& entries, QWidget* view, const QRect& anchor);

    // Runs the action an item's tag names, now; a tag outside the list does nothing.
    void fire(const QAction& item);
    int actionCount() const { return static_cast<int>(actions_.size()); }

    std::vector<Entry> shareEntries() const;
    std::vector<Entry> panelEntries() const;
    // The two menus in the panel's content view; null when it has none.
    QMenu* showShareMenu();
    QMenu* showPanelMenu();

  private:
    QMenu* show(std::unique_ptr<QMenu> menu, QWidget* view, const QPoint& globalTopLeft);
    static int tagOf(const QAction& item);  // -1 when it has none
    void run(int tag);

    Scheduler& scheduler_;
    PanelMenus menus_;
    std::function<QString(const QString&)> localized_;
    std::function<QIcon(const QString&)> symbolIcon_;
    std::vector<std::function<void()>> actions_;
    // Posted actions hold this weakly: once the builder is gone they do nothing.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace holdsheet
