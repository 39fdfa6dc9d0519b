#pragma once

#include <QWidget>

#include <functional>

namespace holdsheet {

class Localization;

// The content of the settings window. For now a placeholder that shows the window's title;
// the tabs replace it. It tells the window, through `onHeight`, the height it needs.
class SettingsView : public QWidget {
  public:
    SettingsView(const Localization& localization, std::function<void(double)> onHeight,
                 QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::function<void(double)> onHeight_;
};

}  // namespace holdsheet
