#pragma once

#include "platform/Scheduler.h"
#include "platform/gnome/ShellExtensionCalls.h"

#include <chrono>
#include <memory>

namespace holdsheet {

// Places the panel through the extension. The shell learns a new window's title some time
// after the window maps, and until then the extension finds no window to place: it is asked
// again, for a while. A newer place supersedes an older one still being tried.
class PanelPlacer {
  public:
    static constexpr std::chrono::milliseconds retryEvery{25};
    static constexpr int attempts = 120;  // three seconds: a loaded shell maps slowly

    PanelPlacer(ShellExtensionCalls& extension, Scheduler& scheduler)
        : extension_(extension), scheduler_(scheduler) {}

    void place(const QString& title, QPoint at);

  private:
    void attempt(const QString& title, QPoint at, int left, int generation);

    ShellExtensionCalls& extension_;
    Scheduler& scheduler_;
    int generation_ = 0;
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace holdsheet
