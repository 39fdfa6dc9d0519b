#pragma once

#include "app/AuxiliaryWindow.h"
#include "app/WindowPlatform.h"

#include <functional>
#include <memory>

namespace holdsheet {

class PermissionMonitor;
class ShellExtension;

// Owns the welcome window, which guides a first-time user to the accessibility permission
// (and, where the session needs it, to the Shell extension): built on first showing, as large as
// its content, kept when closed. Finishing it records that onboarding is done.
class WelcomeWindowController {
  public:
    // The view follows `permission` and `extension`; its "open settings" button calls
    // `showSettings`.
    WelcomeWindowController(WindowPlatform platform, PermissionMonitor& permission,
                            ShellExtension& extension, std::function<void()> showSettings);
    ~WelcomeWindowController();
    WelcomeWindowController(const WelcomeWindowController&) = delete;
    WelcomeWindowController& operator=(const WelcomeWindowController&) = delete;

    // Null until the first show(); the launch closes it through here when the tour takes
    // over.
    QWidget* window() const { return window_.get(); }
    void show();

  private:
    void build();
    void done();

    WindowPlatform platform_;
    PermissionMonitor& permission_;
    ShellExtension& extension_;
    std::function<void()> showSettings_;
    std::unique_ptr<AuxiliaryWindow> window_;
    // The view's handler holds this weakly: once the controller is gone it does nothing.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace holdsheet
