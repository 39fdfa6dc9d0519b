#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

namespace holdsheet {

// Hands the panel's place to the desktop whenever the program shows, grows or moves it: a
// Wayland client cannot place its own window, and the desktop does not learn where the
// program put it otherwise.
class PanelPlacement : public QObject {
  public:
    static inline const QString panelTitle = QStringLiteral("Holdsheet panel");

    explicit PanelPlacement(std::function<void(QPoint)> place) : place_(std::move(place)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(QPoint)> place_;
};

}  // namespace holdsheet
