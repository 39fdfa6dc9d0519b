#pragma once

#include "platform/InstalledApplications.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace holdsheet {

class Localization;

// Asks for one of the installed applications: a search field over the list of them by
// name, with their icons; the chosen one is given by the id its windows are known by.
class ApplicationChooser : public QDialog {
  public:
    ApplicationChooser(InstalledApplications& applications, const Localization& localization,
                       QWidget* parent = nullptr);

    // Runs the dialog: the chosen application's id, or none when cancelled.
    std::optional<QString> choose();
    // The id of the application selected in the list, or none.
    std::optional<QString> selectedId() const;

    QLineEdit* searchField() const { return search_; }
    QListWidget* list() const { return list_; }
    QPushButton* chooseButton() const { return choose_; }
    // The names of the applications the search leaves in the list, in order.
    QStringList shownNames() const;

  private:
    void filter(const QString& text);

    std::vector<InstalledApplication> applications_;
    QLineEdit* search_;
    QListWidget* list_;
    QPushButton* choose_;
};

}  // namespace holdsheet
