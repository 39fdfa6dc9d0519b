#pragma once

#include <QWidget>

class QLabel;

namespace holdsheet {

class InstalledApplications;

// An application by its id: the icon and name of the installed application it stands for,
// or, when none does, a dashed placeholder and the id itself.
class AppLabel : public QWidget {
  public:
    static constexpr int iconSize = 22;
    static constexpr int spacing = 8;

    AppLabel(const QString& id, InstalledApplications& applications, QWidget* parent = nullptr);

    bool found() const { return found_; }
    QLabel* name() const { return name_; }

  private:
    bool found_ = false;
    QLabel* name_;
};

}  // namespace holdsheet
