#pragma once

#include "platform/PreferenceStore.h"
#include "prefs/StoredEnum.h"
#include "settings/SettingsServices.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace holdsheet {

class TabBar;

// The whole content of the settings window: the tab bar, a divider and the chosen tab,
// 640 wide and as tall as the tab needs, which it reports through `onHeight` whenever that
// changes. Built anew, in the language's writing direction, when the language changes.
// Each opening of the window shows the General tab, read afresh.
class SettingsView : public QWidget {
  public:
    static constexpr int viewWidth = 640;
    static constexpr int contentPaddingX = 28;
    static constexpr int contentPaddingY = 24;

    SettingsView(SettingsServices services, std::function<void(double)> onHeight,
                 QWidget* parent = nullptr);
    ~SettingsView() override;

    SettingsTab tab() const { return tab_; }
    // Shows a tab, as a click on it does.
    void setTab(SettingsTab tab);
    TabBar* tabBar() const { return tabBar_; }
    // The view of the tab shown.
    QWidget* tabContent() const { return content_; }
    // The height the view needs at its width.
    int contentHeight() const;

    QSize sizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void build();
    void showTab(SettingsTab tab);
    void reportHeight();

    SettingsServices services_;
    std::function<void(double)> onHeight_;
    SettingsTab tab_ = SettingsTab::general;
    QString language_;
    QWidget* stack_ = nullptr;
    TabBar* tabBar_ = nullptr;
    QWidget* holder_ = nullptr;
    QWidget* content_ = nullptr;
    std::optional<int> reported_;
    bool shownBefore_ = false;
    bool rebuildPending_ = false;
    PreferenceStore::Subscription subscription_;
};

}  // namespace holdsheet
