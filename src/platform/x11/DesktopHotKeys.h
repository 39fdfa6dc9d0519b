#pragma once

#include "platform/SystemHotKeys.h"
#include "platform/freedesktop/DesktopBindings.h"
#include "platform/x11/RunningDesktop.h"

#include <functional>
#include <memory>

namespace holdsheet {

// A desktop's key bindings from its configuration file: the first of the candidate files
// that reads and parses, at every call (the user may change them at any time).
class ConfigurationFileHotKeys : public SystemHotKeys {
  public:
    // None when the text is not such a file: the next candidate is tried.
    using Parser = std::function<std::optional<std::vector<DesktopBinding>>(const QByteArray&)>;

    ConfigurationFileHotKeys(QStringList candidates, Parser parse);
    std::optional<ValueTree> symbolicHotKeys() override;

  private:
    QStringList candidates_;
    Parser parse_;
};

// The key bindings of `desktop`: GNOME's settings, KDE's global shortcuts file, Xfce's
// keyboard-shortcuts channel or openbox's rc.xml, where each desktop keeps them; nothing
// for any other desktop.
std::unique_ptr<SystemHotKeys> desktopHotKeys(Desktop desktop);

}  // namespace holdsheet
