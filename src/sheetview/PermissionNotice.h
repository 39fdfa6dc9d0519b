#pragma once

#include <QWidget>

#include <functional>

class QPushButton;

namespace holdsheet {

class Localization;
class SheetLabel;

// Shown while the program may not read menus: what is missing and a button to turn it on.
class PermissionNotice : public QWidget {
  public:
    PermissionNotice(const Localization& localization, std::function<void()> onOpen,
                     QWidget* parent = nullptr);

    SheetLabel* title() const { return title_; }
    SheetLabel* body() const { return body_; }
    QPushButton* button() const { return button_; }

  private:
    SheetLabel* title_;
    SheetLabel* body_;
    QPushButton* button_;
};

}  // namespace holdsheet
