#pragma once

#include "platform/PreferenceStore.h"

#include <QWidget>

#include <functional>

class QPushButton;

namespace holdsheet {

class ExtensionCard;
class Localization;
class PermissionMonitor;
class SheetLabel;
class ShellExtension;

// The content of the welcome window: the mark and a greeting over one of two blocks, chosen
// by whether the program may read menus. Without that permission: three numbered steps, the
// button that asks for it, a running "waiting" row and the privacy note. With it: ready, how
// to use the sheet, and two ways on. It switches by itself as the permission monitor
// changes, and is built anew, in the language's writing direction, when the language or the
// hold key changes. 540 wide; its height follows its content.
// Where the session needs its Shell extension and it is off or not installed, a box above
// the block says so and how to turn it on; once shown it stays, following the extension to
// its on state.
class WelcomeView : public QWidget {
  public:
    static constexpr int viewWidth = 540;
    static constexpr int paddingX = 44;
    static constexpr int paddingY = 30;
    static constexpr int spacing = 16;
    static constexpr int markSide = 104;
    static constexpr int grantMinimumWidth = 220;

    struct Services {
        PreferenceStore& store;
        const Localization& localization;
        PermissionMonitor& permission;
        ShellExtension& extension;
    };

    // `onDone` finishes onboarding; `showSettings` opens the settings window.
    WelcomeView(Services services, std::function<void()> onDone, std::function<void()> showSettings,
                QWidget* parent = nullptr);
    ~WelcomeView() override;

    bool showsReady() const { return ready_; }
    SheetLabel* title() const { return title_; }
    SheetLabel* subtitle() const { return subtitle_; }
    // The block shown now; its buttons, null in the other block.
    QWidget* block() const { return block_; }
    QPushButton* grantButton() const { return grant_; }
    QPushButton* openSettingsButton() const { return openSettings_; }
    QPushButton* doneButton() const { return done_; }
    // The Shell extension's box; hidden where the extension was never wanted.
    ExtensionCard* extensionCard() const { return extension_; }

  private:
    void build();
    void showBlock(bool trusted);
    void showExtension();
    QWidget* missingPermissionBlock();
    QWidget* permissionHeldBlock();
    QString localized(const char* key) const;
    void finish(bool thenSettings);

    Services services_;
    std::function<void()> onDone_;
    std::function<void()> showSettings_;
    QString language_;
    int holdKey_ = -1;
    bool ready_ = false;
    // Whether the extension was off or missing at any time since the view was made.
    bool extensionAsked_ = false;
    QWidget* stack_ = nullptr;
    SheetLabel* title_ = nullptr;
    SheetLabel* subtitle_ = nullptr;
    QWidget* block_ = nullptr;
    QPushButton* grant_ = nullptr;
    QPushButton* openSettings_ = nullptr;
    QPushButton* done_ = nullptr;
    ExtensionCard* extension_ = nullptr;
    PreferenceStore::Subscription subscription_;
};

}  // namespace holdsheet
