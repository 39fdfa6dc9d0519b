#pragma once

#include "sheetview/RowFonts.h"
#include "sheetview/SheetServices.h"

#include <QWidget>

class QScrollArea;

namespace holdsheet {

class ColumnsView;
class SheetModel;

// The area between header and footer: the loading indicator, the permission notice, the
// empty notice or the columns, checked in that order. It reports the columns' height to the
// model while no search text stands, so the panel fits the whole sheet.
class SheetContent : public QWidget {
  public:
    enum class State { loading, permission, empty, columns };

    SheetContent(SheetModel& model, const SheetServices& services, double scale,
                 QWidget* parent = nullptr);

    State state() const { return state_; }
    // The shown part: a BusyIndicator, PermissionNotice, EmptyNotice or the scroll area.
    QWidget* current() const { return current_; }
    ColumnsView* columns() const { return columns_; }
    int columnCount() const { return columnCount_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    State stateNow() const;
    void refresh();
    void showPart(QWidget* part);
    void reportHeight(double height);
    void fitNotice();

    SheetModel& model_;
    const SheetServices& services_;
    double scale_;
    // Shared by the columns of every keystroke on one sheet.
    std::shared_ptr<const RowFonts> fonts_;
    State state_ = State::loading;
    QWidget* current_ = nullptr;
    ColumnsView* columns_ = nullptr;
    int columnCount_ = 0;
};

}  // namespace holdsheet
