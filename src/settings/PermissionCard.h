#pragma once

#include <QWidget>

class QPushButton;

namespace holdsheet {

class Hint;
class LinkButton;
class Localization;
class PermissionMonitor;
class SheetLabel;
class StatusSymbol;

// Whether the program may read menus, following the permission monitor as it changes: a
// green check when it may; otherwise an orange triangle, what is missing, and the button
// that turns it on. The link to the desktop's settings is always there.
class PermissionCard : public QWidget {
  public:
    static constexpr int padding = 14;
    static constexpr int spacing = 12;
    static constexpr double cornerRadius = 12;
    static constexpr int minimumGap = 8;  // between the texts and the button

    PermissionCard(PermissionMonitor& permission, const Localization& localization,
                   QWidget* parent = nullptr);

    bool showsTrusted() const { return shownTrusted_; }
    StatusSymbol* symbol() const { return symbol_; }
    SheetLabel* status() const { return status_; }
    Hint* body() const { return body_; }
    LinkButton* link() const { return link_; }
    QPushButton* button() const { return button_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void showPermission(bool trusted);

    const Localization& localization_;
    StatusSymbol* symbol_;
    SheetLabel* status_;
    Hint* body_;
    LinkButton* link_;
    QPushButton* button_;
    bool shownTrusted_ = false;
};

}  // namespace holdsheet
