#pragma once

#include <QWidget>

class QLabel;

namespace holdsheet {

class Localization;
class SearchField;
class SheetLabel;
class SheetModel;

// The application's icon and name, the number of its commands, and the search field.
class HeaderBar : public QWidget {
  public:
    static constexpr int fixedHeight = 64;
    static constexpr int iconSide = 32;

    HeaderBar(SheetModel& model, const Localization& localization, double scale,
              QWidget* parent = nullptr);

    QLabel* icon() const { return icon_; }
    SheetLabel* name() const { return name_; }
    SheetLabel* count() const { return count_; }
    SearchField* searchField() const { return search_; }

  private:
    void refresh();

    SheetModel& model_;
    const Localization& localization_;
    QLabel* icon_;
    SheetLabel* name_;
    SheetLabel* count_;
    SearchField* search_;
};

}  // namespace holdsheet
