#pragma once

#include <QWidget>

#include <functional>

namespace holdsheet {

class Localization;

// The content of the tour window. For now a placeholder: the title, a settings button
// (`onSettings`) and the done button (`onDone`, also on Return); the feature pages replace
// it. It draws its own rounded backdrop, since the window around it may be see-through.
class TourView : public QWidget {
  public:
    TourView(const Localization& localization, std::function<void()> onSettings,
             std::function<void()> onDone, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    std::function<void()> onDone_;
};

}  // namespace holdsheet
