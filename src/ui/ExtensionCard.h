#pragma once

#include "platform/DesktopSession.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace holdsheet {

class Localization;
class SheetLabel;
class ShellExtension;

// Whether the Shell extension is on, following it as it changes: a green check when it is;
// otherwise an orange triangle, what is wrong, why it matters and how to turn it on, with a
// button that turns it on where that can be done from here. Whether the card shows at all is
// its owner's choice.
class ExtensionCard : public QWidget {
  public:
    static constexpr int padding = 14;
    static constexpr int paddingY = 10;  // the button sets the first row's height
    static constexpr int spacing = 12;
    static constexpr int symbolSide = 22;

    ExtensionCard(ShellExtension& extension, const Localization& localization, double cornerRadius,
                  QWidget* parent = nullptr);

    ShellExtensionState shownState() const { return shown_; }
    const QString& symbol() const { return symbol_; }
    SheetLabel* status() const { return status_; }
    SheetLabel* howTo() const { return howTo_; }
    QPushButton* enableButton() const { return enable_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void showState(ShellExtensionState state);

    ShellExtension& extension_;
    const Localization& localization_;
    double cornerRadius_;
    ShellExtensionState shown_ = ShellExtensionState::notNeeded;
    QString symbol_;
    QLabel* symbolView_;
    SheetLabel* status_;
    SheetLabel* howTo_;
    QPushButton* enable_;
};

}  // namespace holdsheet
