#pragma once

#include "prefs/StoredEnum.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

namespace holdsheet {

class Localization;
class TabButton;

// The row of the four tabs at the top of the settings window, centred, on a faint gradient.
// A click chooses a tab; the tab under the pointer is lit.
class TabBar : public QWidget {
  public:
    static constexpr int spacing = 6;
    static constexpr int paddingAbove = 34;
    static constexpr int paddingBelow = 10;

    TabBar(const Localization& localization, SettingsTab selection, QWidget* parent = nullptr);

    SettingsTab selection() const { return selection_; }
    // Lights the tab without telling anyone.
    void setSelection(SettingsTab tab);
    // Called when a click chooses a tab.
    void onSelect(std::function<void(SettingsTab)> handler) { onSelect_ = std::move(handler); }

    std::optional<SettingsTab> hovered() const { return hovered_; }
    TabButton* button(SettingsTab tab) const;

    // The pointer entered or left a tab's button. Leaving forgets the hover only while it
    // still names that tab: the neighbour the pointer went on to may have taken it already.
    void pointerEntered(SettingsTab tab);
    void pointerLeft(SettingsTab tab);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void refresh();

    SettingsTab selection_;
    std::optional<SettingsTab> hovered_;
    std::array<TabButton*, 4> buttons_{};
    std::function<void(SettingsTab)> onSelect_;
};

}  // namespace holdsheet
