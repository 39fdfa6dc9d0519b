#pragma once

#include <QWidget>

namespace holdsheet {

// A thin horizontal line between the sections of a tab.
class FormDivider : public QWidget {
  public:
    explicit FormDivider(QWidget* parent = nullptr, int width = -1);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace holdsheet
