#pragma once

#include "panel/SheetModel.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace holdsheet {

// A plain stand-in for the sheet views: the application's name, the search field bound to
// the query, and the filtered groups as lines of text.
class PlainSheetView : public QWidget {
  public:
    explicit PlainSheetView(SheetModel& model, QWidget* parent = nullptr);
    QLineEdit* searchField() const { return search_; }

  private:
    void refresh();

    SheetModel& model_;
    QLabel* header_;
    QLineEdit* search_;
    QPlainTextEdit* list_;
};

}  // namespace holdsheet
