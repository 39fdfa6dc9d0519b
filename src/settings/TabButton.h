#pragma once

#include "prefs/StoredEnum.h"
#include "ui/SheetSymbols.h"

#include <QAbstractButton>

#include <functional>

namespace holdsheet {

// One tab of the tab bar: its symbol over its title, on the tab highlight. Its text is the
// title, which is also what a screen reader says.
class TabButton : public QAbstractButton {
  public:
    static constexpr int labelWidth = 88;
    static constexpr int verticalPadding = 8;
    static constexpr int symbolFrameHeight = 24;
    static constexpr double symbolSize = 22;
    static constexpr int symbolSpacing = 4;
    static constexpr double titleSize = 11.5;
    static constexpr double smallestTitleScale = 0.8;

    TabButton(SettingsTab tab, const QString& title, QWidget* parent = nullptr);

    SettingsTab tab() const { return tab_; }
    bool isSelected() const { return selected_; }
    bool isHovering() const { return hovering_; }
    void setSelected(bool selected);
    void setHovering(bool hovering);
    // The pointer came in or went out.
    void onHover(std::function<void(bool inside)> handler) { onHover_ = std::move(handler); }

    // The title's font: shrunk, down to 0.8 of its size, to fit the label's width.
    const QFont& titleFont() const { return titleFont_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    SettingsTab tab_;
    SymbolPixmap symbol_;
    QFont titleFont_;
    bool selected_ = false;
    bool hovering_ = false;
    std::function<void(bool)> onHover_;
};

}  // namespace holdsheet
