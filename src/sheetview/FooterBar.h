#pragma once

#include <QPoint>
#include <QWidget>

#include <functional>

namespace holdsheet {

class CapsuleButton;
class Localization;

// The program's name and maker, the legend of the modifier symbols, and the share and
// program buttons.
class FooterBar : public QWidget {
  public:
    static constexpr int fixedHeight = 52;

    // The callbacks get the pointer's position in the panel's coordinates; either may be
    // empty, and the button then does nothing.
    FooterBar(const Localization& localization, double scale,
              std::function<void(QPoint)> openShareMenu,
              std::function<void(QPoint)> openProgramMenu, QWidget* parent = nullptr);

    CapsuleButton* shareButton() const { return share_; }
    CapsuleButton* gearButton() const { return gear_; }

  private:
    CapsuleButton* share_;
    CapsuleButton* gear_;
};

}  // namespace holdsheet
