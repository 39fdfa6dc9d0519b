#pragma once

#include "platform/PreferenceStore.h"

#include <QString>

#include <functional>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace holdsheet {

class Localization;

// The program's item in the desktop's status area, with its three-command menu. Present
// while the user wants the tray icon; the menu is made anew whenever the language changes.
class StatusMenu {
  public:
    struct Actions {
        std::function<void()> show;
        std::function<void()> settings;
        std::function<void()> quit;
    };

    StatusMenu(PreferenceStore& store, const Localization& localization, Actions actions);
    ~StatusMenu();
    StatusMenu(const StatusMenu&) = delete;
    StatusMenu& operator=(const StatusMenu&) = delete;

    bool present() const;
    QMenu* menu() const { return menu_.get(); }
    const QSystemTrayIcon& item() const { return *item_; }

  private:
    void follow();
    void rebuild();

    PreferenceStore& store_;
    const Localization& localization_;
    Actions actions_;
    std::unique_ptr<QSystemTrayIcon> item_;
    std::unique_ptr<QMenu> menu_;
    QString language_;
    PreferenceStore::Subscription subscription_;  // last: dropped before what it touches
};

}  // namespace holdsheet
