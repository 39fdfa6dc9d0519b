#pragma once

#include "platform/SystemHotKeys.h"
#include "platform/freedesktop/DesktopBindings.h"
#include "platform/sway/SwayReplies.h"

#include <QByteArray>

namespace holdsheet {

// The user's own sway bindings, read from the loaded configuration at every call: each
// named by what it does ("Workspace number 1", "Focus left"), an exec line by its program.
// Runs off the main thread, on a connection of its own.
class SwayHotKeys : public SystemHotKeys {
  public:
    explicit SwayHotKeys(QByteArray socketPath) : socketPath_(std::move(socketPath)) {}
    std::optional<ValueTree> symbolicHotKeys() override;

  private:
    QByteArray socketPath_;
};

// The bindings of a configuration that have a key the sheet can show and a readable name.
std::vector<DesktopBinding> swayDesktopBindings(const std::vector<SwayConfigBinding>& bindings);

// A readable name for a binding's command, or empty for one that does nothing.
QString swayCommandTitle(const QString& command);

}  // namespace holdsheet
